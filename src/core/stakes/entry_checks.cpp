#include "core/stakes/entry_checks.h"

#include "core/model/text_forms.h"
#include "core/util/text.h"

namespace quorvel {

const char* EntryProblemText(EntryProblem problem) {
    switch (problem) {
        case EntryProblem::BadCombination:
            return "Введена некорректная комбинация!";
        case EntryProblem::NoComment:
            return "Необходимо ввести комментарий!";
        case EntryProblem::CommentInUse:
            return "Запись с таким комментарией уже присутствует в списке!\rВыберите другой комментарий.";
        case EntryProblem::None:
            break;
    }
    return "";
}

EntryProblem CheckComment(std::string_view comment) {
    return TrimBlanks(comment).empty() ? EntryProblem::NoComment : EntryProblem::None;
}

EntryProblem CheckStakeEntry(std::string_view values, std::string_view comment) {
    if (!ParseStakeValues(values)) return EntryProblem::BadCombination;
    return CheckComment(comment);
}

EntryProblem CheckRegularEntry(const std::optional<std::string_view>& typedStart, std::string_view comment,
                               const std::vector<TRegular>& regulars) {
    if (typedStart && !ParseTypedComb(*typedStart)) return EntryProblem::BadCombination;
    if (const EntryProblem problem = CheckComment(comment); problem != EntryProblem::None) return problem;
    for (const TRegular& regular : regulars) {
        if (SameTextIgnoringCase(regular.Comment.Text(), comment)) return EntryProblem::CommentInUse;
    }
    return EntryProblem::None;
}

}  // namespace quorvel
