// Part files come from other machines, so their reader takes untrusted bytes. The input is a
// part without its closing digest: the target appends the right one, so that the fuzzer reaches
// the records behind it, and also reads the bytes as they are, where the digest must refuse them.
// A part that reads is checked alike without its passes, and written again reads back the same.
#include "core/scenario/shard_file.h"
#include "fuzz_input.h"

using namespace quorvel;

namespace {

void ExpectRoundTrip(const ShardFile& part) {
    const auto copy = fuzz::Folder() / "copy.qpart";
    {
        ShardWriter writer(copy, part.Header);
        for (const RecordedPass& pass : part.Passes)
            writer.Add(pass);
        writer.Finish();
    }
    const ShardFile again = ReadShardFile(copy);
    fuzz::Expect(again.Header == part.Header, "the written header reads back otherwise");
    fuzz::Expect(again.Passes == part.Passes, "the written passes read back otherwise");
    fuzz::Expect(again.Stopped == part.Stopped, "the written part stops elsewhere");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view body = fuzz::AsText(data, size);
    const Sha256Digest digest = Sha256Of(body);
    std::string whole(body);
    whole.append(reinterpret_cast<const char*>(digest.data()), digest.size());
    const auto path =
        fuzz::AsFile(reinterpret_cast<const uint8_t*>(whole.data()), whole.size(), "part.qpart");
    ShardFile part;
    const bool read = fuzz::Refusing([&] { part = ReadShardFile(path); });
    // The merge checks every part without keeping its passes, then reads them: the two agree.
    ShardCheck check;
    fuzz::Expect(fuzz::Refusing([&] { check = CheckShardFile(path); }) == read,
                 "the check and the reader disagree about the part");
    if (read) {
        fuzz::Expect(check.Header == part.Header && check.Passes == static_cast<int>(part.Passes.size()) &&
                         check.Stopped == part.Stopped && check.Digest == part.Digest,
                     "the check found another part than the reader");
        ExpectRoundTrip(part);
    }

    // Without its digest the same bytes are a part only by the chance of a digest in its tail.
    const auto bare = fuzz::AsFile(data, size, "bare.qpart");
    if (fuzz::Refusing([&] { ReadShardFile(bare); }) && size >= digest.size())
        fuzz::Expect(
            Sha256Of(body.substr(0, size - digest.size())) ==
                [&] {
                    Sha256Digest tail{};
                    std::copy(body.end() - digest.size(), body.end(), tail.begin());
                    return tail;
                }(),
            "a part was taken without its digest");
    return 0;
}
