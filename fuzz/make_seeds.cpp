// Writes the seed corpora of the fuzz targets into the folder given as the first argument (one
// folder per target): data files, book, test data and radio memories built from the sample
// radio and a fully filled image, ini texts from the shipped language files (folder given as
// the second argument), and whole sessions between the transfer engine and the simulated radio.
// fuzz/make_corpus.sh runs it; its output is kept in the repository.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fake_link.h"
#include "files/book_file.h"
#include "files/data_file.h"
#include "files/test_data_file.h"
#include "link/link_transfer.h"
#include "memory/memory_codec.h"
#include "radio_simulator.h"
#include "sample_radio.h"
#include "support/rich_image.h"

using namespace rp70;

namespace {

namespace fs = std::filesystem;

fs::path gOut;

void Put(const std::string& target, const std::string& name, const Bytes& bytes) {
    fs::create_directories(gOut / target);
    std::ofstream(gOut / target / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

Bytes TextBytes(const std::string& text) {
    return {text.begin(), text.end()};
}

/// The image a Read of `memory` gives.
RadioImage ImageOf(const RadioMemory& memory) {
    RadioImage image;
    ResetImage(image, {}, nullptr);
    RadioMemory copy = memory;
    DecodeRadioMemory(image, copy);
    return image;
}

RadioMemory MemoryOf(RadioImage image) {
    RadioMemory memory{};
    ClearRadioMemory(memory);
    fuzz::Silent silent;
    EncodeRadioMemory(image, EncodeTarget{memory, silent, silent});
    return memory;
}

void DataFiles(const RadioImage& sample, const RadioImage& rich) {
    const auto channels = [](const RadioImage& image) {
        return EncodeChannelFile(image.Channels, image.Record.ChannelCount);
    };
    const auto record = [](const RadioImage& image) {
        const Bytes file = EncodeDataFile(EncodePasswordBlock(""), image.Record);
        return Bytes(file.begin() + kPasswordBlockSize, file.end());
    };
    Put("data_file", "sample_no_password",
        Join({EncodeDataFile(EncodePasswordBlock(""), sample.Record), channels(sample)}));
    Put("data_file", "rich_password_ABC123",
        Join({EncodeDataFile(EncodePasswordBlock("ABC123"), rich.Record), channels(rich)}));
    Put("data_file", "sample_legacy", Join({record(sample), channels(sample)}));
    RadioImage fresh;
    ResetImage(fresh, {}, nullptr);
    Put("data_file", "new_image_password_full",
        Join({EncodeDataFile(EncodePasswordBlock("0123456789"), fresh.Record), channels(fresh)}));
}

void Memories(const RadioMemory& sample, const RadioMemory& rich) {
    const auto withBand = [](std::uint8_t band, const RadioMemory& memory) {
        Bytes bytes{band};
        bytes.insert(bytes.end(), memory.begin(), memory.end());
        return bytes;
    };
    Put("radio_memory", "sample_band3", withBand(3, sample));
    Put("radio_memory", "rich_band3", withBand(3, rich));
    Put("radio_memory", "blank_band16_fixed_channels", withBand(16, sim::BlankRadioMemory()));
}

void IniTexts(const fs::path& langFolder) {
    const auto header = [](const std::string& section, const std::string& key,
                           const std::string& value) {
        return Join({Bytes{static_cast<std::uint8_t>(section.size())}, TextBytes(section),
                     Bytes{static_cast<std::uint8_t>(key.size())}, TextBytes(key),
                     Bytes{static_cast<std::uint8_t>(value.size())}, TextBytes(value)});
    };
    for (const char* name : {"english.ini", "chinese.ini"}) {
        std::ifstream in(langFolder / name, std::ios::binary);
        const Bytes text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        Put("ini_files", name, Join({header("OTHER", "101", "OK"), text}));
    }
    Put("ini_files", "mysetup_crlf",
        Join({header("language", "comPort", "3"),
              TextBytes("\xEF\xBB\xBF[language]\r\nIsFirstRun=True\r\ncomPort=-1\r\n"
                        "Handshaking=0\r\nStopBit=1\r\ncomDevice=/dev/pts/3\r\n"
                        "; comment\r\nverifyAfterWrite=0\r\nbackupLimit=99999\r\n")}));
    Put("ini_files", "placement",
        Join({header("Settings", "MainWidth", "800"),
              TextBytes("[Settings]\nMainLeft=-20\nMainTop= 10 \nMainWidth=0\n[settings]\n"
                        "MainHeight=600\n")}));
}

/// One transfer between the engine and `radio`, each side's part in the input form of its
/// target: the setup byte, then every piece as its length and its bytes.
struct Session {
    Bytes Line;     ///< what arrived at the engine (link_transfer)
    Bytes Commands; ///< what the engine sent (radio_simulator)
    std::vector<Bytes> Answers;
};

Session Transfer(std::uint8_t setup, sim::RadioSimulator& radio, RadioImage image) {
    fuzz::FakeLink link;
    Session session{{setup}, {0}, {}};
    Bytes answer;
    link.onSend = [&](const Bytes& command) {
        session.Commands.push_back(static_cast<std::uint8_t>(command.size()));
        session.Commands.insert(session.Commands.end(), command.begin(), command.end());
        const Bytes reply = radio.Receive(command);
        answer.insert(answer.end(), reply.begin(), reply.end());
    };
    LinkContext context;
    fuzz::Silent person;
    LinkTransfer engine(link, link, image, context, person);
    fuzz::StartTransfer(setup, engine, image, context);
    while (engine.IsRunning() && !answer.empty()) {
        const Bytes arrived = std::move(answer);
        answer.clear();
        session.Line.push_back(static_cast<std::uint8_t>(arrived.size()));
        session.Line.insert(session.Line.end(), arrived.begin(), arrived.end());
        session.Answers.push_back(arrived);
        engine.BytesArrived(arrived);
    }
    return session;
}

void Sessions(const RadioMemory& sample, const RadioImage& rich) {
    const sim::SimIdentity plain;
    sim::SimIdentity locked;
    locked.Password = "1234";
    struct Run {
        const char* Name;
        std::uint8_t Setup;
        const sim::SimIdentity& Identity;
    };
    for (const Run& run :
         {Run{"read", 0, plain}, Run{"write_verify", 1 | 8, plain}, Run{"radio_info", 2, plain},
          Run{"factory_read", 4, plain}, Run{"factory_write", 1 | 4, plain},
          Run{"read_radio_password", 16, locked}}) {
        sim::RadioSimulator radio(sample, run.Identity);
        const Session session = Transfer(run.Setup, radio, rich);
        Put("link_transfer", run.Name, session.Line);
        Put("radio_simulator", run.Name, session.Commands);
        if (run.Setup == 0) {
            // PROGRAM, 02 and the first block behind their echoes.
            Put("wire_replies", "program_reply", Join({{7}, session.Answers.at(0)}));
            Put("wire_replies", "identify_reply", Join({{1}, session.Answers.at(1)}));
            Put("wire_replies", "block_reply_0040", Join({{4}, session.Answers.at(2)}));
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    gOut = argv[1];
    const RadioMemory sampleMemory = sim::SampleRadioMemory();
    const RadioImage sample = ImageOf(sampleMemory);
    RadioImage rich;
    ResetImage(rich, {}, nullptr);
    test::FillRichImage(rich);
    const RadioMemory richMemory = MemoryOf(rich);

    DataFiles(sample, rich);
    Memories(sampleMemory, richMemory);
    IniTexts(argv[2]);
    Sessions(sampleMemory, rich);

    Put("book_file", "rich", EncodeBookFile(rich.Record.Book));
    Put("book_file", "new_image", EncodeBookFile(sample.Record.Book));
    TestValues values{};
    values[0] = 1;
    values[31] = -1;
    values[5] = 26;
    Put("test_data_file", "first_1_last_minus_1", EncodeTestData(values));
    return 0;
}
