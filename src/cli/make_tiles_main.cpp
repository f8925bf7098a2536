// anagrove-make-tiles ALPHABET LIST OUT: writes the list's tile file, which the
// build puts beside each shipped language's list so that it loads at once.

#include "alphabet/alphabet_file.h"
#include "platform/whole_file.h"
#include "word_list/tile_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

int main(int argc, char** argv) {
    using namespace anagrove;
    if (argc != 4) {
        std::cerr << "usage: anagrove-make-tiles ALPHABET LIST OUT\n";
        return 2;
    }
    const FileText alphabetFile = ReadWholeFile(argv[1]);
    auto alphabet = alphabetFile ? ReadAlphabet(*alphabetFile)
                                 : Expected<Alphabet>(FailureText(alphabetFile.error()));
    if (!alphabet) {
        std::cerr << "anagrove-make-tiles: " << argv[1] << ": " << alphabet.error() << '\n';
        return 1;
    }
    FileText listFile = ReadWholeFile(argv[2]);
    if (!listFile) {
        std::cerr << "anagrove-make-tiles: " << argv[2] << ": " << listFile.error() << '\n';
        return 1;
    }
    const TileWordList list =
        ReadTileWordList(*listFile, std::make_shared<const Alphabet>(std::move(*alphabet)));
    listFile = FailureText(""); // the text is no longer needed
    const std::string out = argv[3];
    const std::string part = out + ".part";
    bool written = false;
    {
        std::ofstream file(part, std::ios::binary | std::ios::trunc);
        written = file && TileFile::Write(list, file);
    }
    std::error_code error;
    if (written)
        std::filesystem::rename(part, out, error);
    if (!written || error) {
        std::filesystem::remove(part, error);
        std::cerr << "anagrove-make-tiles: cannot write " << out << '\n';
        return 1;
    }
    return 0;
}
