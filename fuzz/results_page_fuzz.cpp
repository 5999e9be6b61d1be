// The results pages of the download and a draws file fetched from the web: the page reader, the
// element reader and the marker readers on any page. A draw read is marked valid only with
// values 0..9.
#include "core/archive/download_page.h"
#include "core/archive/page_reader.h"
#include "fuzz_input.h"

using namespace quorvel;

namespace {

void ExpectValidOnlyInRange(const std::vector<TReadDraw>& draws) {
    for (const TReadDraw& read : draws) {
        if (!read.Valid) continue;
        for (uint8_t value : read.Draw.Values)
            fuzz::Expect(IsValidValue(value), "a valid draw with a value outside 0..9");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string page(fuzz::AsText(data, size));
    std::vector<TReadDraw> draws;
    if (fuzz::Refusing([&] { draws = ReadResultsPage(page); })) ExpectValidOnlyInRange(draws);
    if (fuzz::Refusing([&] { draws = ReadDrawsCsv(page); })) ExpectValidOnlyInRange(draws);
    // The element loop of the page reader ends because every element cut shortens the rest.
    std::string rest = page;
    for (size_t before = rest.size(); !CutElement(rest, "<tr").empty(); before = rest.size())
        fuzz::Expect(rest.size() < before, "an element cut left the page as long");
    fuzz::Refusing([&] { TextBetween(page, "<td", "</td>"); });
    fuzz::Refusing([&] { TextBetween2(page, "<table", "</table>", "<td>", "</td>"); });
    std::string cut = page;
    fuzz::Refusing([&] {
        for (size_t before = cut.size(); !CutBetween(cut, "<td", "</td>").empty(); before = cut.size())
            fuzz::Expect(cut.size() < before, "a pair cut left the page as long");
    });
    UnquoteText(page);
    return 0;
}
