// The shredding formula evaluator on any text.
#include "fuzz_input.h"
#include "stats/families/formula.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Refusing([&] { EvaluateFormula(fuzz::AsText(data, size)); });
    return 0;
}
