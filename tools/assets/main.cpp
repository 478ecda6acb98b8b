// The asset maker: paints, synthesises and converts everything the game's
// data folder holds. The build runs it once per kind of asset:
//
//   sudoku_assets pictures <graphisme dir> <theme> <theme> <theme>
//   sudoku_assets sounds   <sons dir>
//   sudoku_assets music    <Musique dir>
//   sudoku_assets texts    <source Textes dir> <Textes dir>
//   sudoku_assets preview  <data dir> <png dir>     (by hand, to look at the art)
//
// The three theme names are the folder names; they come from the language
// files, lines 38 to 40, in that order: a warm wood, a night blue and a pastel.
#include "Music.h"
#include "Preview.h"
#include "SharedPictures.h"
#include "Sounds.h"
#include "Texts.h"
#include "Theme.h"

#include "Canvas.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <exception>

namespace {

Fonts loadFonts()
{
    // Debian packages fonts-comic-neue, fonts-urw-base35 and fonts-dejavu-core.
    return {.comic = canvas::loadFont("/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf"),
            .serif = canvas::loadFont("/usr/share/fonts/opentype/urw-base35/C059-Bold.otf"),
            .sans = canvas::loadFont("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"),
            .gothic = canvas::loadFont("/usr/share/fonts/opentype/urw-base35/URWGothic-Demi.otf")};
}

int usage()
{
    std::fputs("usage: sudoku_assets pictures DIR THEME THEME THEME | sounds DIR | music DIR |\n"
               "                     texts SRC DIR | preview DATA PNGDIR\n",
               stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    // Painting text needs a GUI application, but never a display. Build
    // machines often lack a runtime folder, which Qt would complain about.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString& command = args[0];
    try {
        if (command == "pictures" && args.size() == 5) {
            const Fonts fonts = loadFonts();
            writeSharedPictures(fonts, args[1]);
            const ThemeKind kinds[] = {ThemeKind::Wood, ThemeKind::Night, ThemeKind::Pastel};
            for (int t = 0; t < 3; ++t)
                writeTheme(kinds[t], fonts, args[1] + '/' + args[2 + t]);
        } else if (command == "sounds" && args.size() == 2) {
            writeSounds(args[1]);
        } else if (command == "music" && args.size() == 2) {
            writeMusic(args[1]);
        } else if (command == "texts" && args.size() == 3) {
            texts::convert(args[1], args[2]);
        } else if (command == "preview" && args.size() == 3) {
            writePreviews(args[1], args[2]);
        } else {
            return usage();
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sudoku_assets %s: error: %s\n", qPrintable(command), e.what());
        return 1;
    }
    return 0;
}
