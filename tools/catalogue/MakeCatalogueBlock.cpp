// Turns the catalogue's source text into the built-in block, written as a C++ source
// file that the core library compiles in.
//
//   velkaris_make_catalogue Messages.hu.txt BuiltInCatalogueData.cpp

#include "core/messages/CatalogueFormat.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>

using namespace velkaris;

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE.txt OUTPUT.cpp\n", argv[0]);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    const auto parsed = ParseCatalogueSource(QString::fromUtf8(in.readAll()));
    if (const auto* error = std::get_if<QString>(&parsed)) {
        std::fprintf(stderr, "%s: %s: %s\n", argv[0], argv[1], qPrintable(*error));
        return 1;
    }
    const QByteArray block = WriteCatalogueBlock(std::get<std::vector<TCatalogueText>>(parsed));

    QByteArray code = "// Generated from the message catalogue's source text; do not edit.\n"
                      "#include \"core/messages/BuiltInCatalogue.h\"\n\n"
                      "namespace velkaris {\n\nnamespace {\n\nconst unsigned char Block[] = {";
    for (qsizetype i = 0; i < block.size(); ++i) {
        if (i % 16 == 0)
            code += "\n   ";
        code += ' ' + QByteArray::number(static_cast<quint8>(block[i])) + ',';
    }
    code += "\n};\n\n} // namespace\n\nQByteArrayView BuiltInCatalogueBlock() {\n"
            "    return QByteArrayView(reinterpret_cast<const char*>(Block), sizeof(Block));\n"
            "}\n\n} // namespace velkaris\n";

    QSaveFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(code) != code.size() || !out.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
