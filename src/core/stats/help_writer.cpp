#include "stats/help_writer.h"

#include <map>

#include "model/text_forms.h"
#include "stats/help_examples.h"
#include "stats/help_pages.h"
#include "stats/help_texts.h"
#include "util/format.h"
#include "util/safe_file.h"

namespace quorvel {

namespace {

// Long value lists are cut: the reader sees the kind of values, the table shows them all.
constexpr size_t ShownValuesMax = 40;
constexpr int ShownExampleDraws = 5;
constexpr size_t ShownRowsMax = 12;

std::string Escaped(std::string_view text) {
    std::string html;
    for (char c : text) {
        if (c == '&')
            html += "&amp;";
        else if (c == '<')
            html += "&lt;";
        else if (c == '>')
            html += "&gt;";
        else if (c == '"')
            html += "&quot;";
        else
            html += c;
    }
    return html;
}

// A heading a link can jump to: browsers go by the id, the description window by the name.
std::string Heading(const char* tag, const std::string& anchor, const std::string& html) {
    return "<" + std::string(tag) + " id=\"" + anchor + "\"><a name=\"" + anchor + "\"></a>" + html + "</" +
           tag + ">\n";
}

std::string Paragraph(std::string_view text) {
    return "<p>" + Escaped(text) + "</p>\n";
}

std::string PageStart(std::string_view title) {
    return "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + Escaped(title) +
           "</title>\n<style>body{font-family:sans-serif;margin:1em 2em}"
           ".value{font-weight:bold}td,th{padding:2px 8px;border:1px solid #ccc}</style>\n</head>\n<body>\n";
}

std::string PageEnd() {
    return "</body>\n</html>\n";
}

std::string BackLink() {
    return "<p class=\"nav\"><a href=\"" + HelpMainPageName() +
           "\">На главную страницу справки</a> | <a href=\"" + HelpMainPageName() +
           "#methods\">Указатель методов</a></p>\n";
}

std::string ValueList(const std::vector<std::string>& values) {
    std::string html;
    for (size_t i = 0; i < values.size() && i < ShownValuesMax; ++i) {
        if (i > 0) html += ", ";
        html += "<span class=\"value\">" + Escaped(values[i]) + "</span>";
    }
    if (values.size() > ShownValuesMax) html += " и еще " + std::to_string(values.size() - ShownValuesMax);
    return html;
}

std::vector<std::string> TextsOf(const std::vector<HelpValueRow>& rows) {
    std::vector<std::string> texts;
    for (const HelpValueRow& row : rows)
        texts.push_back(row.Text);
    return texts;
}

std::string ValuesSection(const TStatList& stats, const TStatMethod& entry,
                          const HelpMethodExample& example) {
    const std::vector<HelpValueRow> fullSet = HelpFullSetValues(stats, entry);
    std::string html = "<h3>Значения</h3>\n";
    if (!fullSet.empty()) {
        html += "<p>Все значения по 1000 комбинациям (" + std::to_string(fullSet.size()) +
                "): " + ValueList(TextsOf(fullSet)) + ".</p>\n";
    } else {
        html +=
            "<p>Метод не считается по всем комбинациям (нет нормы). Значения, встретившиеся в "
            "примерном архиве: " +
            (example.Rows.empty() ? std::string("нет") : ValueList(TextsOf(example.Rows))) + ".</p>\n";
    }
    if (!example.ListedValues.empty())
        html += "<p>Таблица всегда показывает строки " + ValueList(example.ListedValues) +
                ", даже если их количество 0.</p>\n";
    return html;
}

std::string ExampleDrawsTable(const TDrawsArray& draws) {
    std::string html = "<table>\n<tr><th>Тираж</th><th>Числа</th></tr>\n";
    const int count = static_cast<int>(draws.size());
    for (int i = count - 1; i >= 0 && i >= count - ShownExampleDraws; --i) {
        html += "<tr><td>" + std::to_string(draws[static_cast<size_t>(i)].Number) + "</td><td>" +
                CombToStr(CombOfDraw(draws[static_cast<size_t>(i)])) + "</td></tr>\n";
    }
    return html + "</table>\n";
}

std::string RowsTable(const std::vector<HelpValueRow>& rows) {
    if (rows.empty()) return "<p>Таблица статистики по примерному архиву пуста.</p>\n";
    std::string html = "<p>Таблица статистики по всему примерному архиву (" + std::to_string(rows.size()) +
                       " строк):</p>\n<table>\n<tr><th>Значение</th><th>Количество</th></tr>\n";
    for (size_t i = 0; i < rows.size() && i < ShownRowsMax; ++i)
        html +=
            "<tr><td>" + Escaped(rows[i].Text) + "</td><td>" + std::to_string(rows[i].Count) + "</td></tr>\n";
    if (rows.size() > ShownRowsMax) html += "<tr><td colspan=\"2\">...</td></tr>\n";
    return html + "</table>\n";
}

std::string ExampleSection(const TStatList& stats, const HelpMethodExample& example) {
    const TDrawsArray& draws = stats.Draws();
    const TDraw& newest = draws.back();
    std::string html = "<h3>Пример</h3>\n<p>Примерный архив из " + std::to_string(draws.size()) +
                       " тиражей, последние из них:</p>\n" + ExampleDrawsTable(draws);
    html += "<p>Тираж № " + std::to_string(newest.Number) + " (" + CombToStr(CombOfDraw(newest)) + ") ";
    html += example.NewestValues.empty()
                ? std::string("не дает методу значения: метод учитывает тираж только при своем условии.")
                : "дает значения: " + ValueList(example.NewestValues) + ".";
    return html + "</p>\n" + RowsTable(example.Rows);
}

std::string FilterSection(const TStatMethod& entry, const HelpMethodExample& example) {
    std::string html = "<h3>Фильтр</h3>\n" + Paragraph(FilterHelpText());
    if ((entry.StatClass->Flags & FeatureOtherDraw) != 0) html += Paragraph(FilterOtherDrawHelpText());
    if (example.SelectedText.empty()) return html + "<p>В примере нет строки, которую можно выделить.</p>\n";
    return html + "<p>В примере выделена строка <span class=\"value\">" + Escaped(example.SelectedText) +
           "</span>: «Оставить выделенные» оставляет <span class=\"kept\">" + std::to_string(example.Kept) +
           "</span> из 1000 комбинаций, «Удалить выделенные» оставляет <span class=\"removed\">" +
           std::to_string(example.LeftAfterRemove) + "</span>.</p>\n";
}

// A page of its own is headed by the method already; its section only names the code.
std::string EntrySection(const TStatList& stats, const TStatMethod& entry, bool shared) {
    const HelpMethodExample example = ComputeHelpExample(stats, entry);
    const std::string code = Escaped(entry.Code());
    std::string html =
        Heading("h2", code, shared ? code + ": " + Escaped(entry.DisplayName()) : "Код " + code);
    const std::string letters = FeatureLetters(entry.StatClass->DisplayFlags());
    html += "<p>Группа: " + Escaped(GroupText(entry.StatClass->Group)) +
            (letters.empty() ? std::string() : ". Особенности: [ " + letters + " ]") + ".</p>\n";
    return html + ValuesSection(stats, entry, example) + ExampleSection(stats, example) +
           FilterSection(entry, example);
}

std::string IndexSection(const TStatList& stats) {
    std::string html = Heading("h2", "methods", "Указатель методов");
    for (int group = 0; group < StatGroupCount; ++group) {
        std::string items;
        for (const TStatMethod& entry : stats.Items) {
            if (entry.StatClass->Group != group) continue;
            items += "<li><a href=\"" + MethodHelpPageName(entry) + "#" + Escaped(entry.Code()) + "\">" +
                     Escaped(entry.Code()) + "</a> — " + Escaped(entry.DisplayName()) + "</li>\n";
        }
        if (!items.empty()) html += "<h3>" + Escaped(GroupText(group)) + "</h3>\n<ul>\n" + items + "</ul>\n";
    }
    return html;
}

}  // namespace

std::vector<HelpPageEntries> HelpPagesOf(const TStatList& stats) {
    std::vector<HelpPageEntries> pages;
    std::map<std::string, size_t> byName;
    for (const TStatMethod& entry : stats.Items) {
        const std::string name = MethodHelpPageName(entry);
        const auto [it, added] = byName.emplace(name, pages.size());
        if (added) pages.push_back({name, {}});
        pages[it->second].Entries.push_back(&entry);
    }
    return pages;
}

std::string MethodHelpPageHtml(const TStatList& stats, const HelpPageEntries& page) {
    const TStatMethod& first = *page.Entries.front();
    const std::string topic = Format(first.StatClass->HelpTopicFormat(), {first.Param});
    // A page shared by the parameters of one class is headed by the group, not one parameter.
    const std::string title =
        topic + ": " + (page.Entries.size() > 1 ? GroupTitle(first.StatClass->Group) : first.DisplayName());
    std::string html = PageStart(title) + BackLink() + "<h1>" + Escaped(title) + "</h1>\n";
    html += Paragraph(GroupHelpText(first.StatClass->Group)) + Paragraph(TopicHelpText(topic));
    for (const TStatMethod* entry : page.Entries)
        html += EntrySection(stats, *entry, page.Entries.size() > 1);
    return html + BackLink() + PageEnd();
}

std::string HelpMainPageHtml(const TStatList& stats) {
    std::string html = PageStart("Справка Quorvel 3r10") + "<h1>Справка Quorvel 3r10</h1>\n";
    html += Paragraph(HelpIntroText());
    html += "<ul>\n";
    for (const HelpSection& section : WorkflowHelpSections())
        html +=
            "<li><a href=\"#" + std::string(section.Anchor) + "\">" + Escaped(section.Title) + "</a></li>\n";
    html += "<li><a href=\"#methods\">Указатель методов</a></li>\n</ul>\n";
    for (const HelpSection& section : WorkflowHelpSections()) {
        html += Heading("h2", std::string(section.Anchor), Escaped(section.Title));
        for (std::string_view paragraph : section.Paragraphs)
            html += Paragraph(paragraph);
    }
    return html + IndexSection(stats) + PageEnd();
}

int WriteHelpPages(const std::filesystem::path& folder) {
    // The default settings: the pages describe the catalogue as a new user gets it.
    TStatList stats(folder / "unused.ini");
    stats.SetDraws(&HelpExampleDraws());
    stats.Rebuild();
    std::filesystem::create_directories(folder);
    const std::vector<HelpPageEntries> pages = HelpPagesOf(stats);
    for (const HelpPageEntries& page : pages)
        WriteFileSafely(folder / page.PageName, MethodHelpPageHtml(stats, page));
    WriteFileSafely(folder / HelpMainPageName(), HelpMainPageHtml(stats));
    return static_cast<int>(pages.size()) + 1;
}

}  // namespace quorvel
