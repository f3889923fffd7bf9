#include "host_options.h"

#include <QCommandLineParser>
#include <QFile>
#include <charconv>
#include <cstdio>
#include <limits>

namespace rp70::sim {

namespace {

/// A whole number written in decimal or, after "0x", in hexadecimal.
std::optional<long long> NumberOf(const QString& text) {
    std::string digits = text.trimmed().toStdString();
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits.erase(0, 2);
        base = 16;
    }
    long long value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (digits.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> NumberIn(const QString& text, long long lowest, long long highest) {
    const std::optional<long long> value = NumberOf(text);
    if (!value || *value < lowest || *value > highest) {
        return std::nullopt;
    }
    return value;
}

/// A text of at most `width` characters, one byte each.
std::optional<std::string> ByteText(const QString& text, int width) {
    if (text.size() > width) {
        return std::nullopt;
    }
    for (const QChar c : text) {
        if (c.unicode() == 0 || c.unicode() > 0xFF) {
            return std::nullopt;
        }
    }
    return text.toLatin1().toStdString();
}

/// A comma-separated list of command or reply numbers, counted from 1.
std::optional<std::set<int>> NumberList(const QString& text) {
    std::set<int> numbers;
    for (const QString& item : text.split(',')) {
        const std::optional<long long> number = NumberIn(item, 1, std::numeric_limits<int>::max());
        if (!number) {
            return std::nullopt;
        }
        numbers.insert(static_cast<int>(*number));
    }
    return numbers;
}

std::string PathOf(const QString& text) {
    return QFile::encodeName(text).toStdString();
}

struct Options {
    QCommandLineOption Memory{
        "memory",
        "Radio memory file, 16384 bytes, kept up to date; created blank if missing. "
        "Without it the radio holds a sample memory.",
        "FILE.bin"};
    QCommandLineOption Model{"model", "Model text of the identification (default KTRP70).", "TEXT"};
    QCommandLineOption Band{"band", "Band code, 0-255 or 0x00-0xFF (default 3).", "CODE"};
    QCommandLineOption Version{"version", "Version text of the identification (default V100).",
                               "TEXT"};
    QCommandLineOption Features{"features", "Feature flags byte (default 0xE0).", "BYTE"};
    QCommandLineOption Killed{"killed", "The radio reports itself killed."};
    QCommandLineOption Stunned{"stunned", "The radio reports itself stunned."};
    QCommandLineOption Password{"password", "Radio password, at most 4 characters.", "PW"};
    QCommandLineOption NoEcho{"no-echo", "The cable does not echo the computer's bytes."};
    QCommandLineOption BadChecksum{"bad-checksum",
                                   "Read replies (counted from 1) with a wrong checksum.", "LIST"};
    QCommandLineOption LongReply{"long-reply", "Read replies (counted from 1) sent with 32 bytes.",
                                 "LIST"};
    QCommandLineOption RepeatWrite{"repeat-write",
                                   "Write frames (counted from 1) answered with 0A.", "LIST"};
    QCommandLineOption CorruptWrite{
        "corrupt-write", "Write frames (counted from 1) acknowledged but stored altered.", "LIST"};
    QCommandLineOption SilentAfter{"silent-after",
                                   "Answer N commands, then only echo the later ones.", "N"};
    QCommandLineOption HangUpAfter{"hang-up-after",
                                   "Answer N commands, then hang up the line and exit.", "N"};
    QCommandLineOption NoiseBefore{
        "noise-before", "Commands (counted from 1) whose answer follows noise bytes.", "LIST"};
    QCommandLineOption Fast{"fast", "Send at once instead of at the pace of 9600 baud."};
    QCommandLineOption Link{"link", "Symbolic link to the device (replaced; removed at exit).",
                            "PATH"};
    QCommandLineOption Log{
        "log",
        "Wire transcript: \"> \" bytes from the computer, \"< \" bytes back "
        "(echo included), \"= \" commands the radio recognised, \"# \" the computer opening and "
        "closing the line and the line hung up.",
        "FILE"};

    void AddTo(QCommandLineParser& parser) const {
        for (const QCommandLineOption* option :
             {&Memory, &Model, &Band, &Version, &Features, &Killed, &Stunned, &Password, &NoEcho,
              &BadChecksum, &LongReply, &RepeatWrite, &CorruptWrite, &SilentAfter, &HangUpAfter,
              &NoiseBefore, &Fast, &Link, &Log}) {
            parser.addOption(*option);
        }
    }
};

/// Reads one option, when it is given, into `target` (a plain or an optional value) through
/// `convert`; false (with its line printed) when the value is wrong.
template <typename T, typename Convert>
bool Take(const QCommandLineParser& parser, const QCommandLineOption& option, Convert convert,
          const char* expected, T& target) {
    if (!parser.isSet(option)) {
        return true;
    }
    const QString text = parser.value(option);
    const auto value = convert(text);
    if (!value) {
        Fail("--" + option.names().first().toStdString() + " \"" + text.toStdString() +
                 "\": " + expected,
             kExitUsage);
        return false;
    }
    target = static_cast<T>(*value);
    return true;
}

} // namespace

int Fail(const std::string& line, int status) {
    std::fprintf(stderr, "rp70-sim: %s\n", line.c_str());
    return status;
}

std::optional<HostOptions> ParseHostOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "A simulated KT-RP70 radio on a pseudo-terminal. Prints the device path as its first "
        "line and runs until interrupted.");
    const QCommandLineOption help = parser.addHelpOption();
    const Options options;
    options.AddTo(parser);
    if (!parser.parse(arguments)) {
        Fail(parser.errorText().toStdString() + " (see rp70-sim --help)", kExitUsage);
        return std::nullopt;
    }
    if (parser.isSet(help)) {
        parser.showHelp(0);
    }
    if (!parser.positionalArguments().isEmpty()) {
        Fail("unexpected argument \"" + parser.positionalArguments().first().toStdString() +
                 "\" (see rp70-sim --help)",
             kExitUsage);
        return std::nullopt;
    }

    HostOptions host;
    SimIdentity& identity = host.Identity;
    SimFaults& faults = host.Faults;
    const auto byte = [](const QString& text) { return NumberIn(text, 0, 0xFF); };
    const auto count = [](const QString& text) {
        return NumberIn(text, 0, std::numeric_limits<int>::max());
    };
    const auto model = [](const QString& text) { return ByteText(text, 7); };
    const auto shortText = [](const QString& text) { return ByteText(text, 4); };
    const auto path = [](const QString& text) {
        return text.isEmpty() ? std::nullopt : std::optional(PathOf(text));
    };
    const char* list = "expected numbers from 1, separated by commas";
    const bool ok =
        Take(parser, options.Memory, path, "expected a file name", host.MemoryPath) &&
        Take(parser, options.Model, model, "at most 7 characters", identity.Model) &&
        Take(parser, options.Band, byte, "expected 0-255 or 0x00-0xFF", identity.BandCode) &&
        Take(parser, options.Version, shortText, "at most 4 characters", identity.Version) &&
        Take(parser, options.Features, byte, "expected 0-255 or 0x00-0xFF", identity.Features) &&
        Take(parser, options.Password, shortText, "at most 4 characters", identity.Password) &&
        Take(parser, options.BadChecksum, NumberList, list, faults.BadChecksumReads) &&
        Take(parser, options.LongReply, NumberList, list, faults.LongReads) &&
        Take(parser, options.RepeatWrite, NumberList, list, faults.RepeatWrites) &&
        Take(parser, options.CorruptWrite, NumberList, list, faults.CorruptWrites) &&
        Take(parser, options.SilentAfter, count, "expected a number from 0", faults.SilentAfter) &&
        Take(parser, options.HangUpAfter, count, "expected a number from 0", faults.HangUpAfter) &&
        Take(parser, options.NoiseBefore, NumberList, list, faults.NoiseBefore) &&
        Take(parser, options.Link, path, "expected a file name", host.LinkPath) &&
        Take(parser, options.Log, path, "expected a file name", host.LogPath);
    if (!ok) {
        return std::nullopt;
    }
    identity.Killed = parser.isSet(options.Killed);
    identity.Stunned = parser.isSet(options.Stunned);
    faults.NoEcho = parser.isSet(options.NoEcho);
    host.Fast = parser.isSet(options.Fast);
    return host;
}

} // namespace rp70::sim
