// The results pages of the download: the page reader and the element reader on any page.
#include "archive/download_page.h"
#include "archive/page_reader.h"
#include "fuzz_input.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string page(fuzz::AsText(data, size));
    fuzz::Refusing([&] { ReadResultsPage(page); });
    fuzz::Refusing([&] { ReadDrawsCsv(page); });
    fuzz::Refusing([&] {
        std::string rest = page;
        for (size_t i = 0; i <= page.size() && !CutElement(rest, "<tr").empty(); ++i) {
        }
    });
    fuzz::Refusing([&] { TextBetween2(page, "<table", "</table>", "<td>", "</td>"); });
    fuzz::Refusing([&] { UnquoteText(page); });
    return 0;
}
