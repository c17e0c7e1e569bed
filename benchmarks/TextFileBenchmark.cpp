// SPDX-License-Identifier: GPL-3.0-or-later
// Reading speed of the text-file reader on a 10 MB list-shaped file (six lines per exercise:
// name, picture, sound, speech, text, colour) in each of the four encodings, line by line.
#include "common/files/DiskFileSystem.h"
#include "common/textfile/TextFile.h"
#include "common/textfile/TextFileWriter.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr std::size_t kTargetBytes = 10 * 1024 * 1024;

class BenchmarkFolder {
public:
    BenchmarkFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vimo-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~BenchmarkFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Writes the list once per encoding and returns its size in bytes.
std::size_t writeList(FileSystem& files, const std::u16string& name, int encoding) {
    TextFileWriter file;
    file.openForWriting(files, name, encoding);
    std::size_t units = 0;
    for (int i = 0;
         units < (encoding == Utf16BigEndian || encoding == Utf16LittleEndian ? kTargetBytes / 2
                                                                              : kTargetBytes);
         ++i) {
        const std::u16string n =
            std::u16string(u"exercise ") + std::u16string(1, static_cast<char16_t>(u'0' + i % 10));
        const std::u16string lines[] = {n,
                                        u"h\u00e4st" + n + u".png",
                                        u"h\u00e4st" + n + u".wav",
                                        u"h\u00e4st" + n + u" tal.wav",
                                        u"H\u00e4sten springer p\u00e5 \u00e4ngen",
                                        u"-16777216"};
        for (const auto& line : lines) {
            file.write(line);
            file.writeEndOfLine();
            units += line.size() + 2;
        }
    }
    file.close();
    return static_cast<std::size_t>(std::filesystem::file_size(files.resolve(name)));
}

void readLines(benchmark::State& state) {
    const int encoding = static_cast<int>(state.range(0));
    BenchmarkFolder folder;
    DiskFileSystem files(folder.path());
    const std::size_t bytes = writeList(files, u"list.txt", encoding);
    std::u16string line;
    for (auto _ : state) {
        TextFile file;
        file.openForReading(files, u"list.txt");
        std::size_t lines = 0;
        while (file.readLine(line)) {
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.SetLabel(encoding == AnsiText            ? "8-bit"
                   : encoding == Utf16BigEndian    ? "UTF-16 BE"
                   : encoding == Utf16LittleEndian ? "UTF-16 LE"
                                                   : "UTF-8");
}

} // namespace

BENCHMARK(readLines)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
