#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "cli_program.h"
#include "commands.h"
#include "files/file_io.h"
#include "memory/block_passes.h"
#include "memory/memory_codec.h"

namespace rp70::cli {
namespace {

/// One line per 16-byte block, "ADDR: XX XX …", with "  W" after the blocks a Write sends.
void PrintMemory(const RadioMemory& memory, const BlockPasses& passes) {
    int sent = 0;
    for (int block = 0; block < kBlockCount; ++block) {
        const int address = block * kBlockSize;
        std::string line = HexText(static_cast<std::uint8_t>(address >> 8)) +
                           HexText(static_cast<std::uint8_t>(address & 0xFF)) + ':';
        for (int offset = 0; offset < kBlockSize; ++offset) {
            line += ' ' + HexText(memory[static_cast<std::size_t>(block * kBlockSize + offset)]);
        }
        if (passes.Map[static_cast<std::size_t>(block)] == 1) {
            line += "  W";
            ++sent;
        }
        std::printf("%s\n", line.c_str());
    }
    std::printf("%d blocks marked W are sent by a Write.\n", sent);
}

} // namespace

int RunMemory(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Encodes a data file as a Write sends it to the radio and prints the 16 KiB radio "
        "memory, one 16-byte block a line; the blocks a Write sends are marked W.");
    parser.addPositionalArgument("FILE.dat", "The data file to encode.");
    const QCommandLineOption password = OpenPasswordOption();
    const QCommandLineOption raw("raw", "Write the 16384 bytes to a file instead.", "OUT.bin");
    parser.addOptions({password, raw});
    if (!ParseCommand(parser, arguments, 1, 1)) {
        return kExitUsage;
    }
    CliProgram program;
    if (const int status = OpenDataFileArgument(program, parser, password); status != 0) {
        return status;
    }

    RadioMemory memory{};
    ClearRadioMemory(memory);
    BlockPasses passes;
    BuildPassMap(passes, TransferKind::Write);
    WritePassMarks marks(passes);
    if (!EncodeRadioMemory(*program.Image, {memory, marks, program.Terminal})) {
        return kExitFailure;
    }
    if (parser.isSet(raw)) {
        const std::string out = parser.value(raw).toStdString();
        const std::string_view bytes(reinterpret_cast<const char*>(memory.data()), memory.size());
        if (!ReplaceFileContents(gui::ToCorePath(parser.value(raw)), bytes)) {
            return Fail(out + ": cannot be written");
        }
        return 0;
    }
    PrintMemory(memory, passes);
    return 0;
}

int RunDecode(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Decodes a raw 16 KiB radio memory, as a Read fetches it, into a data file and its "
        "channel file.");
    parser.addPositionalArgument("MEMORY.bin", "The radio memory, 16384 bytes.");
    const NewFileOptions options("Band code of the radio (default 3).");
    options.AddTo(parser);
    if (!ParseCommand(parser, arguments, 1, 1)) {
        return kExitUsage;
    }
    const std::optional<NewFile> file = ParseNewFile(parser, options);
    if (!file) {
        return kExitUsage;
    }
    const std::string source = parser.positionalArguments().first().toStdString();
    const std::filesystem::path sourcePath = gui::ToCorePath(parser.positionalArguments().first());
    const auto bytes = ReadFileBytes(sourcePath, kRadioMemorySize + 1);
    if (!bytes) {
        return Fail(source + ": cannot be read");
    }
    if (bytes->size() != kRadioMemorySize) {
        // Only one byte more than a memory is read; the size found is the file's own.
        std::error_code error;
        const auto size = std::filesystem::file_size(sourcePath, error);
        return Fail(source + ": not a radio memory (" + std::to_string(kRadioMemorySize) +
                    " bytes expected, " + std::to_string(error ? bytes->size() : size) + " found)");
    }

    CliProgram program;
    UseBand(program, *file);
    RadioMemory memory{};
    std::copy(bytes->begin(), bytes->end(), memory.begin());
    DecodeRadioMemory(*program.Image, memory);
    return SaveNewFile(program, *file);
}

} // namespace rp70::cli
