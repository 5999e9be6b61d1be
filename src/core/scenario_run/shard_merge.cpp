#include "core/scenario_run/shard_merge.h"

#include <algorithm>

#include "core/app/workspace.h"
#include "core/util/error.h"
#include "core/util/format.h"
#include "core/util/safe_file.h"

namespace quorvel {

uint32_t ShardSeed(const RunDigests& digests) {
    Sha256 sha;
    for (const Sha256Digest* digest : {&digests.Scenario, &digests.Draws, &digests.Settings})
        sha.Add({reinterpret_cast<const char*>(digest->data()), digest->size()});
    const Sha256Digest mixed = sha.Finish();
    return static_cast<uint32_t>(mixed[0]) | static_cast<uint32_t>(mixed[1]) << 8 |
           static_cast<uint32_t>(mixed[2]) << 16 | static_cast<uint32_t>(mixed[3]) << 24;
}

namespace {

// The header that part `shard` of this test has when worked out from the workspace.
ShardHeader TestShardHeader(Workspace& workspace, int tests, int shard, int shards, uint32_t seed) {
    ShardHeader header;
    header.ScenarioLines = workspace.Script().Scenario().Lines();
    header.Digests = DigestRunInputs(workspace);
    header.Tests = tests;
    header.Seed = seed;
    header.LogOn = workspace.Options().ScriptLogEnabled;
    header.Shard = shard;
    header.Shards = shards;
    header.Range = ShardRange(tests, shard, shards);
    return header;
}

}  // namespace

int WriteTestShard(Workspace& workspace, int tests, int shard, int shards, uint32_t seed, int jobs,
                   const std::filesystem::path& file) {
    const ShardHeader header = TestShardHeader(workspace, tests, shard, shards, seed);
    ShardWriter writer(file, header);
    ScenarioRunner runner(workspace, {}, seed);
    int passes = 0;
    runner.RecordShard(tests, header.Range, jobs, [&](RecordedPass pass) {
        writer.Add(pass);
        ++passes;
    });
    if (workspace.Script().StopRequested()) throw Error("Выполнение сценария прервано.");
    writer.Finish();
    return passes;
}

namespace {

void RequireSameTest(const ShardHeader& first, const ShardHeader& other, const std::string& name) {
    if (other.Digests.Scenario != first.Digests.Scenario)
        throw Error(Format("Часть теста \"%s\" относится к другому сценарию!", {name}));
    if (other.Digests.Draws != first.Digests.Draws)
        throw Error(Format("Часть теста \"%s\" сделана по другому архиву тиражей!", {name}));
    if (other.Digests.Settings != first.Digests.Settings || other.LogOn != first.LogOn)
        throw Error(Format("Часть теста \"%s\" сделана с другими настройками!", {name}));
    if (other.Tests != first.Tests || other.Seed != first.Seed || other.Shards != first.Shards)
        throw Error(
            Format("Часть теста \"%s\" относится к другому тесту (количество тестов, начальное "
                   "значение случайных чисел или число частей другие)!",
                   {name}));
}

}  // namespace

std::string ShardFileName(int shard) {
    return "part-" + std::to_string(shard) + ".qpart";
}

std::vector<int> PendingShards(Workspace& workspace, int tests, int shards, uint32_t seed,
                               const std::filesystem::path& folder,
                               const std::function<void(const std::string& reason)>& refused) {
    ShardHeader wanted = TestShardHeader(workspace, tests, 1, shards, seed);
    std::vector<int> pending;
    for (int shard = 1; shard <= shards; ++shard) {
        const std::filesystem::path file = folder / ShardFileName(shard);
        std::error_code error;
        if (!std::filesystem::exists(file, error)) {
            pending.push_back(shard);
            continue;
        }
        wanted.Shard = shard;
        wanted.Range = ShardRange(tests, shard, shards);
        try {
            const ShardHeader found = CheckShardFile(file).Header;
            RequireSameTest(wanted, found, PathText(file));
            if (found.Shard != shard)
                throw Error(Format("Файл \"%s\" содержит часть теста %d из %d, а не %d!",
                                   {PathText(file), found.Shard, found.Shards, shard}));
        } catch (const Error& e) {
            refused(e.what());
            pending.push_back(shard);
        }
    }
    return pending;
}

ShardMergePlan PlanShardMerge(Workspace& workspace, const std::vector<std::filesystem::path>& files) {
    if (files.empty()) throw Error("Укажите файлы частей теста!");
    std::vector<ShardCheck> checks;
    std::vector<std::string> names;
    for (const auto& file : files) {
        checks.push_back(CheckShardFile(file));
        names.push_back(PathText(file));
    }
    ShardMergePlan plan;
    plan.Header = checks.front().Header;
    for (size_t i = 1; i < checks.size(); ++i)
        RequireSameTest(plan.Header, checks[i].Header, names[i]);
    workspace.Script().UseUnsaved(plan.Header.ScenarioLines);
    workspace.Options().ScriptLogEnabled = plan.Header.LogOn;
    RequireSameTest(
        plan.Header,
        [&] {
            ShardHeader own = plan.Header;
            own.Digests = DigestRunInputs(workspace);
            return own;
        }(),
        names.front());

    std::vector<size_t> order(checks.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](size_t a, size_t b) { return checks[a].Header.Shard < checks[b].Header.Shard; });
    int expected = 1;
    for (size_t i : order) {
        const int shard = checks[i].Header.Shard;
        if (shard < expected)
            throw Error(Format("Часть теста %d из %d указана дважды: \"%s\"!",
                               {shard, plan.Header.Shards, names[i]}));
        if (shard > expected) {
            const PassRange missing = ShardRange(plan.Header.Tests, expected, plan.Header.Shards);
            throw Error(Format("Не хватает части теста %d из %d (проходы для смещений %d..%d)!",
                               {expected, plan.Header.Shards, missing.First, missing.Last}));
        }
        plan.Files.push_back(files[i]);
        plan.Shards.push_back(std::move(checks[i]));
        ++expected;
    }
    if (expected <= plan.Header.Shards) {
        const PassRange missing = ShardRange(plan.Header.Tests, expected, plan.Header.Shards);
        throw Error(Format("Не хватает части теста %d из %d (проходы для смещений %d..%d)!",
                           {expected, plan.Header.Shards, missing.First, missing.Last}));
    }
    return plan;
}

ScenarioRunSummary MergeShards(Workspace& workspace, const ShardMergePlan& plan,
                               std::filesystem::path* logPath) {
    ScenarioRunner runner(workspace, {}, plan.Header.Seed);
    size_t part = 0;
    size_t next = 0;
    ShardFile current;
    bool loaded = false;
    auto load = [&] {
        current = ReadShardFile(plan.Files[part]);
        if (current.Digest != plan.Shards[part].Digest)
            throw Error(
                Format("Часть теста \"%s\" изменилась во время объединения!", {PathText(plan.Files[part])}));
        next = 0;
        loaded = true;
    };
    const ScenarioRunSummary summary = runner.Merge(plan.Header.Tests, [&](int offset) {
        if (!loaded) load();
        // A part that stopped the test has no passes after the stop, and the merge stops there.
        while (next >= current.Passes.size() && part + 1 < plan.Files.size()) {
            ++part;
            load();
        }
        if (next >= current.Passes.size() || current.Passes[next].Offset != offset)
            throw Error(Format("Нет прохода для смещения %d!", {offset}));
        return std::move(current.Passes[next++]);
    });
    if (logPath != nullptr) *logPath = runner.LogPath();
    return summary;
}

}  // namespace quorvel
