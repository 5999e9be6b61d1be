#pragma once

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "support/http_test_server.h"

namespace quorvel::test {

// One draw as the results site lists it; the date text is "dd.mm.yyyy hh:nn".
inline std::string ResultsElement(int number, const std::string& date, int a, int b, int c) {
    return "<div class=\"elem\">\n"
           "  <div class=\"draw\"><a href=\"/tridig/archive/" +
           std::to_string(number) + "\">Тираж № " + std::to_string(number) +
           "</a></div>\n"
           "  <div class=\"draw_date\" title=\"" +
           date + ":00\">" + date.substr(0, 10) +
           "</div>\n"
           "  <div class=\"container cleared\"><div class=\"numbers\"><b>" +
           std::to_string(a) + "</b><b>&nbsp;" + std::to_string(b) + "</b><b>" + std::to_string(c) +
           "</b></div></div>\n"
           "  <div class=\"controls\"><a href=\"#\">Проверить билет</a></div>\n"
           "</div>\n";
}

inline std::string ResultsPage(const std::string& elements) {
    return "<html><head><title>Архив тиражей</title></head><body>\n"
           "<div class=\"data drawings_data\">\n" +
           elements +
           "<div class=\"content_decor\"></div>\n"
           "</body></html>\n";
}

// The date the test site gives draw n: one draw a day at 21:30.
inline std::string TestDrawDate(int number) {
    const int day = (number - 1) % 28 + 1;
    const int month = ((number - 1) / 28) % 12 + 1;
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.2024 21:30", day, month);
    return text;
}

// The values the test site gives draw n.
inline std::array<int, 3> TestDrawValues(int number) {
    return {number % 10, (number / 10) % 10, (number * 7) % 10};
}

// The value of a query parameter of a path, or empty.
inline std::string QueryValue(const std::string& path, const std::string& name) {
    const size_t query = path.find('?');
    if (query == std::string::npos) return {};
    const std::string key = name + "=";
    size_t at = query + 1;
    while (at < path.size()) {
        size_t end = path.find('&', at);
        if (end == std::string::npos) end = path.size();
        if (path.compare(at, key.size(), key) == 0)
            return path.substr(at + key.size(), end - at - key.size());
        at = end + 1;
    }
    return {};
}

// The results page of the requested range over an archive of draws 1..last, newest first.
inline std::string ResultsRangePage(const std::string& path, int lastDraw) {
    const int first = std::stoi("0" + QueryValue(path, "firstDraw"));
    const int last = std::min(std::stoi("0" + QueryValue(path, "lastDraw")), lastDraw);
    std::string elements;
    for (int n = last; n >= first && n >= 1; --n) {
        const std::array<int, 3> values = TestDrawValues(n);
        elements += ResultsElement(n, TestDrawDate(n), values[0], values[1], values[2]);
    }
    return ResultsPage(elements);
}

inline HttpResponse HtmlResponse(const std::string& body) {
    HttpResponse response;
    response.Headers = {{"Content-Type", "text/html; charset=utf-8"}};
    response.Body = body;
    return response;
}

}  // namespace quorvel::test
