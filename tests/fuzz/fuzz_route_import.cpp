// libFuzzer target: any bytes as a route reference file, through the token reader and the four section
// readers into an in-memory project. The first three bytes choose the project's state, the answers to
// questions and the import range; the rest is the file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <memory>
#include <string_view>

#include "exchange/route_import.h"
#include "exchange/route_tokens.h"
#include "platform/interaction/scripted.h"
#include "projectdb/schema.h"

namespace {

dao::Database& Project() {
    static std::unique_ptr<dao::Database> db = [] {
        auto created = dao::Database::Create(":memory:");
        for (const auto& table : projectdb::CentralTables()) projectdb::RecreateCentralTable(*created, table);
        return created;
    }();
    return *db;
}

// One scratch file for the whole run, removed at exit.
struct TempFile {
    TempFile() {
        char name[] = "/tmp/veltra-fuzz-route-XXXXXX";
        int fd = mkstemp(name);
        if (fd >= 0) close(fd);
        path = name;
    }
    ~TempFile() { std::remove(path.c_str()); }
    std::string path;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const std::uint8_t flags = data[0];
    exchange::RouteRange range;
    range.start = static_cast<std::int8_t>(data[1]) * 10.0;
    range.end = range.start + (flags & 0x10 ? -1.0 : 1.0) * data[2] * 5.0;
    std::string_view file(reinterpret_cast<const char*>(data + 3), size - 3);

    dao::Database& db = Project();
    for (const auto& table : projectdb::RouteTables())
        if ((flags & 0x01) && db.HasTableDef(table.name)) db.DeleteTableDef(table.name);
    if ((flags & 0x02) && !db.HasTableDef(projectdb::kRoadDesignTable))
        db.Execute("CREATE TABLE [路基设计表] (CenterStake DOUBLE, CenterElev DOUBLE)");  // a foreign, narrow table

    ui::ScriptedPrompter prompter;
    prompter.setDefault(flags & 0x04 ? ui::Answer::No : ui::Answer::Yes);
    ui::SilentProgress progress;
    ui::Interaction interaction{prompter, progress};
    exchange::RouteSections sections{(flags & 0x20) == 0, (flags & 0x40) == 0, (flags & 0x80) == 0};
    exchange::ImportRoute(db, exchange::RouteSource::Memory(file), range, sections, interaction);

    // The token reader on its own: read from a file in chunks of 1 to 64 bytes it gives the same tokens as
    // from memory, whatever the boundaries cut.
    static const TempFile scratch;
    const std::string& path = scratch.path;
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (!f) return 0;
        std::fwrite(file.data(), 1, file.size(), f);
        std::fclose(f);
    }
    exchange::RouteTokenReader memory, chunked(1 + data[2] % 64);
    memory.openMemory(file);
    if (!chunked.open(path)) return 0;
    std::string_view a, b;
    for (;;) {
        bool more = memory.next(a);
        if (more != chunked.next(b)) std::abort();
        if (!more) break;
        if (a != b || a.size() > exchange::RouteTokenReader::kMaxToken + 1) std::abort();
        double number;
        int count;
        exchange::ParseRouteNumber(a, number);
        exchange::ParseRouteCount(a, count);
    }
    return 0;
}
