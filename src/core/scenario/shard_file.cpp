#include "core/scenario/shard_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>

#include "core/util/endian.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"

namespace quorvel {

namespace {

constexpr std::string_view Magic = "QUORVEL-TEST-SHARD\n";
constexpr char PassMark = 'P';
constexpr char EndMark = 'E';
constexpr size_t FlushSize = 1 << 20;

void PutInt(std::string& out, int32_t value) {
    uint8_t bytes[4];
    WriteInt32Le(bytes, value);
    out.append(reinterpret_cast<const char*>(bytes), 4);
}

void PutText(std::string& out, std::string_view text) {
    PutInt(out, static_cast<int32_t>(text.size()));
    out.append(text);
}

void PutDigest(std::string& out, const Sha256Digest& digest) {
    out.append(reinterpret_cast<const char*>(digest.data()), digest.size());
}

std::string HeaderBytes(const ShardHeader& header) {
    std::string out(Magic);
    PutInt(out, header.Version);
    PutInt(out, static_cast<int32_t>(header.ScenarioLines.size()));
    for (const std::string& line : header.ScenarioLines)
        PutText(out, line);
    PutDigest(out, header.Digests.Scenario);
    PutDigest(out, header.Digests.Draws);
    PutDigest(out, header.Digests.Settings);
    for (int32_t value : {header.Tests, static_cast<int32_t>(header.Seed), int32_t{header.LogOn},
                          header.Shard, header.Shards, header.Range.First, header.Range.Last})
        PutInt(out, value);
    return out;
}

std::string PassBytes(const RecordedPass& pass) {
    std::string out(1, PassMark);
    PutInt(out, pass.Offset);
    PutInt(out, pass.Variants);
    PutInt(out, static_cast<int32_t>(pass.Events.size()));
    uint8_t record[StakeRecordSize];
    for (const PassEvent& event : pass.Events) {
        out += static_cast<char>(event.What);
        switch (event.What) {
            case PassEvent::Kind::Log:
            case PassEvent::Kind::Error:
                PutText(out, event.Text);
                break;
            case PassEvent::Kind::Warning:
                PutText(out, event.Text);
                out += static_cast<char>(event.Caption);
                break;
            case PassEvent::Kind::Stake:
                WriteStakeRecord(record, event.Record);
                out.append(reinterpret_cast<const char*>(record), StakeRecordSize);
                out += static_cast<char>(event.NewOnly);
                out += static_cast<char>(event.Bulk);
                break;
            default:
                break;
        }
    }
    return out;
}

// Reads the fields of a part, refusing anything that runs past its end or is out of range.
class PartCursor {
public:
    PartCursor(std::string_view bytes, std::string name) : bytes_(bytes), name_(std::move(name)) {}

    [[noreturn]] void Damaged(const std::string& what) const {
        throw Error(Format("Файл части теста \"%s\" поврежден: %s!", {name_, what}));
    }
    std::string_view Take(size_t size) {
        if (size > bytes_.size() - at_) Damaged("файл обрывается");
        std::string_view part = bytes_.substr(at_, size);
        at_ += size;
        return part;
    }
    uint8_t Byte() { return static_cast<uint8_t>(Take(1)[0]); }
    int32_t Int() { return ReadInt32Le(reinterpret_cast<const uint8_t*>(Take(4).data())); }
    int32_t Count(const char* what) {
        const int32_t value = Int();
        if (value < 0 || static_cast<size_t>(value) > bytes_.size()) Damaged(what);
        return value;
    }
    std::string Text() { return std::string(Take(static_cast<size_t>(Count("длина текста")))); }
    Sha256Digest Digest() {
        Sha256Digest digest{};
        const std::string_view bytes = Take(digest.size());
        std::copy(bytes.begin(), bytes.end(), digest.begin());
        return digest;
    }
    bool AtEnd() const { return at_ == bytes_.size(); }

private:
    std::string_view bytes_;
    std::string name_;
    size_t at_ = 0;
};

ShardHeader ReadHeader(PartCursor& in) {
    if (in.Take(Magic.size()) != Magic) in.Damaged("это не файл части теста");
    ShardHeader header;
    header.Version = in.Int();
    if (header.Version != ShardFileVersion)
        throw Error(Format("Версия файла части теста (%d) не поддерживается; нужна версия %d.",
                           {header.Version, ShardFileVersion}));
    const int lines = in.Count("число строк сценария");
    for (int i = 0; i < lines; ++i)
        header.ScenarioLines.push_back(in.Text());
    header.Digests.Scenario = in.Digest();
    header.Digests.Draws = in.Digest();
    header.Digests.Settings = in.Digest();
    header.Tests = in.Int();
    header.Seed = static_cast<uint32_t>(in.Int());
    header.LogOn = in.Int() != 0;
    header.Shard = in.Int();
    header.Shards = in.Int();
    header.Range.First = in.Int();
    header.Range.Last = in.Int();
    if (header.Tests < 1 || header.Shards < 1 || header.Shard < 1 || header.Shard > header.Shards ||
        header.Shards > header.Tests || header.Range != ShardRange(header.Tests, header.Shard, header.Shards))
        in.Damaged("неверный диапазон проходов");
    if (DigestScenario(header.ScenarioLines) != header.Digests.Scenario) in.Damaged("сценарий изменен");
    return header;
}

// One record of a pass into `event`, or with no event only stepped over, checked the same way.
PassEvent::Kind ReadEvent(PartCursor& in, PassEvent* event) {
    const uint8_t kind = in.Byte();
    if (kind > static_cast<uint8_t>(PassEvent::Kind::Stop)) in.Damaged("неизвестная запись");
    const auto what = static_cast<PassEvent::Kind>(kind);
    auto text = [&] {
        const std::string_view bytes = in.Take(static_cast<size_t>(in.Count("длина текста")));
        if (event != nullptr) event->Text = bytes;
    };
    switch (what) {
        case PassEvent::Kind::Log:
        case PassEvent::Kind::Error:
            text();
            break;
        case PassEvent::Kind::Warning: {
            text();
            const bool caution = in.Byte() != 0;
            if (event != nullptr)
                event->Caption = caution ? WarningCaption::Caution : WarningCaption::Attention;
            break;
        }
        case PassEvent::Kind::Stake: {
            const std::string_view record = in.Take(StakeRecordSize);
            const bool newOnly = in.Byte() != 0;
            const bool bulk = in.Byte() != 0;
            if (event != nullptr) {
                event->Record = ReadStakeRecord(reinterpret_cast<const uint8_t*>(record.data()));
                event->NewOnly = newOnly;
                event->Bulk = bulk;
            }
            break;
        }
        default:
            break;
    }
    if (event != nullptr) event->What = what;
    return what;
}

}  // namespace

ShardWriter::ShardWriter(std::filesystem::path path, const ShardHeader& header)
    : path_(std::move(path)), temporary_(path_.string() + ".~tmp") {
    fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) Fail(errno);
    Put(HeaderBytes(header));
}

ShardWriter::~ShardWriter() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(temporary_.c_str());
    }
}

void ShardWriter::Fail(int error) {
    throw Error(
        Format("Ошибка записи в файл \"%s\"!\r\r%s", {PathText(path_), std::string(std::strerror(error))}));
}

void ShardWriter::Put(std::string bytes) {
    sha_.Add(bytes);
    buffer_ += bytes;
    if (buffer_.size() >= FlushSize) FlushBuffer();
}

void ShardWriter::FlushBuffer() {
    size_t done = 0;
    while (done < buffer_.size()) {
        const ssize_t n = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) Fail(n < 0 ? errno : ENOSPC);
        done += static_cast<size_t>(n);
    }
    buffer_.clear();
}

void ShardWriter::Add(const RecordedPass& pass) {
    Put(PassBytes(pass));
    ++passes_;
}

void ShardWriter::Finish() {
    std::string end(1, EndMark);
    PutInt(end, passes_);
    Put(end);
    const Sha256Digest digest = sha_.Finish();
    buffer_.append(reinterpret_cast<const char*>(digest.data()), digest.size());
    FlushBuffer();
    if (::fsync(fd_) != 0) Fail(errno);
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0 || ::rename(temporary_.c_str(), path_.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary_.c_str());
        Fail(error);
    }
}

namespace {

// Reads and checks a whole part, handing its passes to `take` in order, or without `take`
// keeping nothing of them; the passes are whole only once the function returns.
ShardCheck ParseShardFile(const std::filesystem::path& path,
                          const std::function<void(RecordedPass&&)>& take) {
    const std::string bytes = ReadFileBytes(path);
    const std::string name = PathText(path);
    constexpr size_t DigestSize = std::tuple_size_v<Sha256Digest>;
    if (bytes.size() < Magic.size() + DigestSize || bytes.compare(0, Magic.size(), Magic) != 0)
        throw Error(Format("Файл \"%s\" не является файлом части теста!", {name}));
    const std::string_view body = std::string_view(bytes).substr(0, bytes.size() - DigestSize);
    ShardCheck check;
    check.Digest = Sha256Of(body);
    if (std::memcmp(check.Digest.data(), bytes.data() + body.size(), DigestSize) != 0)
        PartCursor({}, name).Damaged("контрольная сумма не совпадает");
    PartCursor in(body, name);
    check.Header = ReadHeader(in);
    int expected = check.Header.Range.First;
    uint8_t mark = 0;
    while ((mark = in.Byte()) == static_cast<uint8_t>(PassMark)) {
        RecordedPass pass;
        pass.Offset = in.Int();
        pass.Variants = in.Int();
        if (pass.Offset != expected || pass.Offset < check.Header.Range.Last || check.Stopped)
            in.Damaged("проходы не по порядку");
        const int events = in.Count("число записей");
        // The count is the file's word: room for it only as far as a small part would need.
        if (take) pass.Events.reserve(static_cast<size_t>(std::min(events, 1 << 12)));
        for (int i = 0; i < events; ++i) {
            PassEvent* event = take ? &pass.Events.emplace_back() : nullptr;
            check.Stopped = ReadEvent(in, event) == PassEvent::Kind::Stop || check.Stopped;
        }
        if (take) take(std::move(pass));
        ++check.Passes;
        --expected;
    }
    if (mark != static_cast<uint8_t>(EndMark) || in.Int() != check.Passes || !in.AtEnd())
        in.Damaged("неверный конец файла");
    if (!check.Stopped && expected != check.Header.Range.Last - 1) in.Damaged("не хватает проходов");
    return check;
}

}  // namespace

ShardFile ReadShardFile(const std::filesystem::path& path) {
    ShardFile part;
    const ShardCheck check =
        ParseShardFile(path, [&](RecordedPass&& pass) { part.Passes.push_back(std::move(pass)); });
    part.Header = check.Header;
    part.Stopped = check.Stopped;
    part.Digest = check.Digest;
    return part;
}

ShardCheck CheckShardFile(const std::filesystem::path& path) {
    return ParseShardFile(path, nullptr);
}

}  // namespace quorvel
