// libFuzzer target of the parameter-set file reader: arbitrary bytes as a .prn and as an .eol
// file (any line shape: short, long, headings, comments, control characters, any line ends).
// A file read with success must be written and read back to the same set, in memory, and the
// grid editor must take the set with any class rules and any typed cell text without a write
// outside its data. The seeds in fuzz/corpus/paramset are files as the program and workshops
// write them.
#include <cstdint>
#include <cstdlib>

#include "eolgrid.h"
#include "paramsetfile.h"

namespace {

class SilentUi : public IUserInteraction {
public:
    int messageBox(MsgKind, const ByteString&, int, int = 0) override { return MB_OK; }
    std::optional<FileDialogChoice> openFileDialog(const FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<FileDialogChoice> saveFileDialog(const FileDialogRequest&) override {
        return std::nullopt;
    }
};

int32_t word(const uint8_t* d, size_t n, size_t i) {
    return i + 1 < n ? static_cast<int16_t>(d[i] | (d[i + 1] << 8)) : -1;
}

// Reads the file as one variant; a set read with success must be written and read back to
// the same set.
void readAndRoundTrip(const ByteString& content, int filter, TEolParamSet& set,
                      TEolParamSet& back) {
    const int32_t result = ParamSetFile::read(content, filter, set);
    if (result == ParamSetFile::LoadOk) {
        if (set.Count < 1) std::abort();
        const ByteString written = ParamSetFile::write(set, "01.01.2026 00:00:00");
        if (ParamSetFile::read(written, filter, back) != ParamSetFile::LoadOk) std::abort();
        if (back.Count != set.Count) std::abort();
        for (int32_t i = 1; i <= set.Count; ++i)
            if (back.item(i).Address != set.item(i).Address ||
                back.item(i).Value != set.item(i).Value)
                std::abort();
    } else if (result < 0) {
        std::abort();
    }
}

}  // namespace

// The whole input is the file, so that real files serve as seeds as they are. It is read as
// .eol and as .prn; the editor then takes the .prn set.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ByteString content(reinterpret_cast<const char*>(data), size);
    // Made once: a set holds a table over the whole address space, and building it anew for
    // every input would take most of the run. The reader clears them.
    static TEolParamSet set, back;
    readAndRoundTrip(content, ParamSetFile::FilterEol, set, back);
    readAndRoundTrip(content, ParamSetFile::FilterPrn, set, back);
    if (ParamSetFile::read(content, 3, back) != ParamSetFile::LoadNothing) std::abort();

    // The editor on what was read (also a partial set after an error), with rules taken from
    // the first bytes of the file.
    const uint8_t* d = data;
    const size_t n = size;
    EolAreaInfo areas;
    for (int a = 1; a <= 2; ++a) {
        areas.A[a] = word(d, n, static_cast<size_t>(6 * a - 6));
        areas.B[a] = word(d, n, static_cast<size_t>(6 * a - 4));
        areas.C[a] = word(d, n, static_cast<size_t>(6 * a - 2));
    }
    areas.SBusSize1 = word(d, n, 12);
    SilentUi ui;
    static EolGrid grids[5];
    for (uint8_t cls = 1; cls <= 5; ++cls) {
        EolClassRules rules;
        EOL_SetClassRules(cls, areas, rules);
        EolGrid& grid = grids[cls - 1];
        grid.ItemsToGridData(set, cls, rules);
        if (grid.GridData.size() != static_cast<size_t>(grid.GridLength) + 1) std::abort();
        std::vector<int32_t> changed;
        for (size_t i = 0; i + 2 < n && i < 48; i += 3) {
            const int32_t address = word(d, n, i) & 0xFFFF;
            grid.CommitCell(address, ByteString(1, static_cast<char>(d[i + 2])), ui, changed);
            grid.CellText(address);
        }
        for (int32_t a : changed)
            if (a < 0 || a > 0xFFFF) std::abort();
        grid.GridDataToItems(set);
    }
    return 0;
}
