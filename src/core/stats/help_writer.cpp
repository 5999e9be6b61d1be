#include "core/stats/help_writer.h"

#include <map>

#include "core/model/text_forms.h"
#include "core/stats/help_examples.h"
#include "core/stats/help_pages.h"
#include "core/stats/help_texts.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"
#include "core/util/text.h"

namespace quorvel {

namespace {

// Long value lists are cut: the reader sees the kind of values, the table shows them all.
constexpr size_t ShownValuesMax = 40;
constexpr int ShownExampleDraws = 5;
constexpr size_t ShownRowsMax = 12;

// The fixed words the generator writes around the texts and the computed values.
struct PageWords {
    const char* HtmlLang;
    const char* MainPageTitle;
    const char* BackToMain;
    const char* MethodIndex;
    const char* AndMore;  // "%d": the values not shown
    const char* ValuesHeading;
    const char* AllValues;  // "%d": the number of values, before the list
    const char* NoFullSet;
    const char* NoValues;
    const char* AlwaysListed;
    const char* AlwaysListedEnd;
    const char* DrawColumn;
    const char* NumbersColumn;
    const char* EmptyTable;
    const char* TableOf;  // "%d": the rows
    const char* ValueColumn;
    const char* CountColumn;
    const char* ExampleHeading;
    const char* ExampleArchive;  // "%d": the draws
    const char* DrawNumber;
    const char* NoNewestValue;
    const char* NewestValues;
    const char* FilterHeading;
    const char* NothingSelected;
    const char* SelectedRow;
    const char* KeptOf;
    const char* LeftAfterRemove;
    const char* Code;
    const char* Group;
    const char* Features;
};

constexpr PageWords RussianWords = {
    "ru",
    "Справка Quorvel 3r10",
    "На главную страницу справки",
    "Указатель методов",
    " и еще %d",
    "Значения",
    "Все значения по 1000 комбинациям (%d): ",
    "Метод не считается по всем комбинациям (нет нормы). Значения, встретившиеся в примерном архиве: ",
    "нет",
    "Таблица всегда показывает строки ",
    ", даже если их количество 0.",
    "Тираж",
    "Числа",
    "Таблица статистики по примерному архиву пуста.",
    "Таблица статистики по всему примерному архиву (%d строк):",
    "Значение",
    "Количество",
    "Пример",
    "Примерный архив из %d тиражей, последние из них:",
    "Тираж № ",
    "не дает методу значения: метод учитывает тираж только при своем условии.",
    "дает значения: ",
    "Фильтр",
    "В примере нет строки, которую можно выделить.",
    "В примере выделена строка ",
    ": «Оставить выделенные» оставляет ",
    " из 1000 комбинаций, «Удалить выделенные» оставляет ",
    "Код ",
    "Группа: ",
    ". Особенности: [ ",
};

constexpr PageWords EnglishWords = {
    "en",
    "Quorvel 3r10 Help",
    "Back to the main help page",
    "Method index",
    " and %d more",
    "Values",
    "All values over the 1000 combinations (%d): ",
    "The method is not computed over all combinations (it has no norm). Values that occur in the "
    "example archive: ",
    "none",
    "The table always shows the rows ",
    ", even when their count is 0.",
    "Draw",
    "Numbers",
    "The statistics table of the example archive is empty.",
    "The statistics table over the whole example archive (%d rows):",
    "Value",
    "Count",
    "Example",
    "An example archive of %d draws, the latest of which are:",
    "Draw No. ",
    "gives the method no value: the method counts a draw only under its own condition.",
    "gives the values: ",
    "Filter",
    "The example has no row that can be selected.",
    "The example selects the row ",
    ": “Keep selected” leaves ",
    " of the 1000 combinations, “Remove selected” leaves ",
    "Code ",
    "Group: ",
    ". Features: [ ",
};

// English pages for English; Russian, the language every page exists in, for any other.
const PageWords& WordsOf(int language) {
    return language == EnglishHelpLanguage ? EnglishWords : RussianWords;
}

std::string Filled(const char* pattern, size_t count) {
    return Format(pattern, {static_cast<int>(count)});
}

// A heading a link can jump to: browsers go by the id, the description window by the name.
std::string Heading(const char* tag, const std::string& anchor, const std::string& html) {
    return "<" + std::string(tag) + " id=\"" + anchor + "\"><a name=\"" + anchor + "\"></a>" + html + "</" +
           tag + ">\n";
}

std::string Paragraph(std::string_view text) {
    return "<p>" + HtmlEscaped(text) + "</p>\n";
}

std::string PageStart(std::string_view title, const PageWords& words) {
    return "<!DOCTYPE html>\n<html lang=\"" + std::string(words.HtmlLang) +
           "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + HtmlEscaped(title) +
           "</title>\n<style>body{font-family:sans-serif;margin:1em 2em}"
           ".value{font-weight:bold}td,th{padding:2px 8px;border:1px solid #ccc}</style>\n</head>\n<body>\n";
}

std::string PageEnd() {
    return "</body>\n</html>\n";
}

std::string BackLink(int language) {
    const PageWords& words = WordsOf(language);
    return "<p class=\"nav\"><a href=\"" + HelpMainPageName(language) + "\">" + words.BackToMain +
           "</a> | <a href=\"" + HelpMainPageName(language) + "#methods\">" + words.MethodIndex +
           "</a></p>\n";
}

std::string ValueList(const std::vector<std::string>& values, const PageWords& words) {
    std::string html;
    for (size_t i = 0; i < values.size() && i < ShownValuesMax; ++i) {
        if (i > 0) html += ", ";
        html += "<span class=\"value\">" + HtmlEscaped(values[i]) + "</span>";
    }
    if (values.size() > ShownValuesMax) html += Filled(words.AndMore, values.size() - ShownValuesMax);
    return html;
}

std::vector<std::string> TextsOf(const std::vector<HelpValueRow>& rows) {
    std::vector<std::string> texts;
    for (const HelpValueRow& row : rows)
        texts.push_back(row.Text);
    return texts;
}

std::string ValuesSection(const TStatList& stats, const TStatMethod& entry, const HelpMethodExample& example,
                          const PageWords& words) {
    const std::vector<HelpValueRow> fullSet = HelpFullSetValues(stats, entry);
    std::string html = "<h3>" + std::string(words.ValuesHeading) + "</h3>\n";
    if (!fullSet.empty()) {
        html +=
            "<p>" + Filled(words.AllValues, fullSet.size()) + ValueList(TextsOf(fullSet), words) + ".</p>\n";
    } else {
        html +=
            "<p>" + std::string(words.NoFullSet) +
            (example.Rows.empty() ? std::string(words.NoValues) : ValueList(TextsOf(example.Rows), words)) +
            ".</p>\n";
    }
    if (!example.ListedValues.empty())
        html += "<p>" + std::string(words.AlwaysListed) + ValueList(example.ListedValues, words) +
                words.AlwaysListedEnd + "</p>\n";
    return html;
}

std::string ExampleDrawsTable(const TDrawsArray& draws, const PageWords& words) {
    std::string html = "<table>\n<tr><th>" + std::string(words.DrawColumn) + "</th><th>" +
                       words.NumbersColumn + "</th></tr>\n";
    const int count = static_cast<int>(draws.size());
    for (int i = count - 1; i >= 0 && i >= count - ShownExampleDraws; --i) {
        html += "<tr><td>" + std::to_string(draws[static_cast<size_t>(i)].Number) + "</td><td>" +
                CombToStr(CombOfDraw(draws[static_cast<size_t>(i)])) + "</td></tr>\n";
    }
    return html + "</table>\n";
}

std::string RowsTable(const std::vector<HelpValueRow>& rows, const PageWords& words) {
    if (rows.empty()) return "<p>" + std::string(words.EmptyTable) + "</p>\n";
    std::string html = "<p>" + Filled(words.TableOf, rows.size()) + "</p>\n<table>\n<tr><th>" +
                       words.ValueColumn + "</th><th>" + words.CountColumn + "</th></tr>\n";
    for (size_t i = 0; i < rows.size() && i < ShownRowsMax; ++i)
        html += "<tr><td>" + HtmlEscaped(rows[i].Text) + "</td><td>" + std::to_string(rows[i].Count) +
                "</td></tr>\n";
    if (rows.size() > ShownRowsMax) html += "<tr><td colspan=\"2\">...</td></tr>\n";
    return html + "</table>\n";
}

std::string ExampleSection(const TStatList& stats, const HelpMethodExample& example, const PageWords& words) {
    const TDrawsArray& draws = stats.Draws();
    const TDraw& newest = draws.back();
    std::string html = "<h3>" + std::string(words.ExampleHeading) + "</h3>\n<p>" +
                       Filled(words.ExampleArchive, draws.size()) + "</p>\n" +
                       ExampleDrawsTable(draws, words);
    html += "<p>" + std::string(words.DrawNumber) + std::to_string(newest.Number) + " (" +
            CombToStr(CombOfDraw(newest)) + ") ";
    html += example.NewestValues.empty() ? std::string(words.NoNewestValue)
                                         : words.NewestValues + ValueList(example.NewestValues, words) + ".";
    return html + "</p>\n" + RowsTable(example.Rows, words);
}

std::string FilterSection(const TStatMethod& entry, const HelpMethodExample& example, int language) {
    const PageWords& words = WordsOf(language);
    std::string html =
        "<h3>" + std::string(words.FilterHeading) + "</h3>\n" + Paragraph(FilterHelpText(language));
    if ((entry.StatClass->Flags & FeatureOtherDraw) != 0)
        html += Paragraph(FilterOtherDrawHelpText(language));
    if (example.SelectedText.empty()) return html + "<p>" + words.NothingSelected + "</p>\n";
    return html + "<p>" + words.SelectedRow + "<span class=\"value\">" + HtmlEscaped(example.SelectedText) +
           "</span>" + words.KeptOf + "<span class=\"kept\">" + std::to_string(example.Kept) + "</span>" +
           words.LeftAfterRemove + "<span class=\"removed\">" + std::to_string(example.LeftAfterRemove) +
           "</span>.</p>\n";
}

// "{ num } Числа тиража", as the method lists head a group, with the title of the language.
std::string GroupCaption(int group, int language) {
    return "{ " + GroupShortName(group) + " } " + GroupHelpTitle(group, language);
}

// A page of its own is headed by the method already; its section only names the code. The
// catalogue names its methods in Russian only, so every language shows the Russian names.
std::string EntrySection(const TStatList& stats, const TStatMethod& entry, bool shared, int language) {
    const PageWords& words = WordsOf(language);
    const HelpMethodExample example = ComputeHelpExample(stats, entry);
    const std::string code = HtmlEscaped(entry.Code());
    std::string html =
        Heading("h2", code, shared ? code + ": " + HtmlEscaped(entry.DisplayName()) : words.Code + code);
    const std::string letters = FeatureLetters(entry.StatClass->DisplayFlags());
    html += "<p>" + std::string(words.Group) + HtmlEscaped(GroupCaption(entry.StatClass->Group, language)) +
            (letters.empty() ? std::string() : words.Features + letters + " ]") + ".</p>\n";
    return html + ValuesSection(stats, entry, example, words) + ExampleSection(stats, example, words) +
           FilterSection(entry, example, language);
}

std::string IndexSection(const TStatList& stats, int language) {
    std::string html = Heading("h2", "methods", WordsOf(language).MethodIndex);
    for (int group = 0; group < StatGroupCount; ++group) {
        std::string items;
        for (const TStatMethod& entry : stats.Items) {
            if (entry.StatClass->Group != group) continue;
            items += "<li><a href=\"" + MethodHelpPageName(entry, language) + "#" +
                     HtmlEscaped(entry.Code()) + "\">" + HtmlEscaped(entry.Code()) + "</a> — " +
                     HtmlEscaped(entry.DisplayName()) + "</li>\n";
        }
        if (!items.empty())
            html += "<h3>" + HtmlEscaped(GroupCaption(group, language)) + "</h3>\n<ul>\n" + items + "</ul>\n";
    }
    return html;
}

}  // namespace

std::vector<HelpPageEntries> HelpPagesOf(const TStatList& stats, int language) {
    std::vector<HelpPageEntries> pages;
    std::map<std::string, size_t> byName;
    for (const TStatMethod& entry : stats.Items) {
        const std::string name = MethodHelpPageName(entry, language);
        const auto [it, added] = byName.emplace(name, pages.size());
        if (added) pages.push_back({name, {}});
        pages[it->second].Entries.push_back(&entry);
    }
    return pages;
}

std::string MethodHelpPageHtml(const TStatList& stats, const HelpPageEntries& page, int language) {
    const TStatMethod& first = *page.Entries.front();
    const std::string topic = Format(first.StatClass->HelpTopicFormat(), {first.Param});
    // A page shared by the parameters of one class is headed by the group, not one parameter.
    const std::string title =
        topic + ": " +
        (page.Entries.size() > 1 ? GroupHelpTitle(first.StatClass->Group, language) : first.DisplayName());
    std::string html =
        PageStart(title, WordsOf(language)) + BackLink(language) + "<h1>" + HtmlEscaped(title) + "</h1>\n";
    html += Paragraph(GroupHelpText(first.StatClass->Group, language)) +
            Paragraph(TopicHelpText(topic, language));
    for (const TStatMethod* entry : page.Entries)
        html += EntrySection(stats, *entry, page.Entries.size() > 1, language);
    return html + BackLink(language) + PageEnd();
}

std::string HelpMainPageHtml(const TStatList& stats, int language) {
    const PageWords& words = WordsOf(language);
    std::string html = PageStart(words.MainPageTitle, words) + "<h1>" + words.MainPageTitle + "</h1>\n";
    html += Paragraph(HelpIntroText(language));
    html += "<ul>\n";
    for (const HelpSection& section : WorkflowHelpSections(language))
        html += "<li><a href=\"#" + std::string(section.Anchor) + "\">" + HtmlEscaped(section.Title) +
                "</a></li>\n";
    html += "<li><a href=\"#methods\">" + std::string(words.MethodIndex) + "</a></li>\n</ul>\n";
    for (const HelpSection& section : WorkflowHelpSections(language)) {
        html += Heading("h2", std::string(section.Anchor), HtmlEscaped(section.Title));
        for (std::string_view paragraph : section.Paragraphs)
            html += Paragraph(paragraph);
    }
    return html + IndexSection(stats, language) + PageEnd();
}

int WriteHelpPages(const std::filesystem::path& folder) {
    // The default settings: the pages describe the catalogue as a new user gets it.
    TStatList stats(folder / "unused.ini");
    stats.SetDraws(&HelpExampleDraws());
    stats.Rebuild();
    std::filesystem::create_directories(folder);
    int written = 0;
    for (int language : HelpLanguages) {
        const std::vector<HelpPageEntries> pages = HelpPagesOf(stats, language);
        for (const HelpPageEntries& page : pages)
            WriteFileSafely(folder / page.PageName, MethodHelpPageHtml(stats, page, language));
        WriteFileSafely(folder / HelpMainPageName(language), HelpMainPageHtml(stats, language));
        written += static_cast<int>(pages.size()) + 1;
    }
    return written;
}

}  // namespace quorvel
