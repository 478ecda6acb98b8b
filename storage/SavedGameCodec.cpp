#include "SavedGameCodec.h"

#include "Cp1252.h"
#include "SudokuEngine.h"

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cassert>
#include <cmath>
#include <cstring>

namespace L = SavedGameLayout;

static_assert(sizeof(SudokuEngine::FCurrent) == SavedGameRecord::kCells);
static_assert(sizeof(SudokuEngine::FMarks) == SavedGameRecord::kMarks);
static_assert(L::kSolution == L::kCurrent + 81 && L::kGivens == L::kSolution + 81
              && L::kMarks == L::kGivens + 81 && L::kName == L::kMarks + 729
              && L::kLevel == L::kName + L::kNameFieldSize && L::kGridNumber == L::kLevel + 4
              && L::kGameTime == L::kGridNumber + 4 && L::kFileSize == L::kGameTime + 8);

namespace {

template <std::size_t N>
void putBytes(QByteArray& out, qsizetype offset, const std::array<std::uint8_t, N>& field)
{
    std::memcpy(out.data() + offset, field.data(), N);
}

// The bytes of a file being decoded, copied out of the QByteArray once its
// size is known to be right.
using FileBytes = std::array<char, L::kFileSize>;

template <std::size_t N>
void getBytes(const FileBytes& in, qsizetype offset, std::array<std::uint8_t, N>& field)
{
    std::memcpy(field.data(), in.data() + offset, N);
}

void putInt32(QByteArray& out, qsizetype offset, std::int32_t value)
{
    qToLittleEndian<std::int32_t>(value, out.data() + offset);
}

std::int32_t getInt32(const FileBytes& in, qsizetype offset)
{
    return qFromLittleEndian<std::int32_t>(in.data() + offset);
}

void putDouble(QByteArray& out, qsizetype offset, double value)
{
    qToLittleEndian<std::uint64_t>(std::bit_cast<std::uint64_t>(value), out.data() + offset);
}

double getDouble(const FileBytes& in, qsizetype offset)
{
    return std::bit_cast<double>(qFromLittleEndian<std::uint64_t>(in.data() + offset));
}

bool refuse(QString* error, const QString& why)
{
    if (error)
        *error = QStringLiteral("Partie enregistrée illisible : ") + why;
    return false;
}

bool gridIsValid(const std::array<std::uint8_t, SavedGameRecord::kCells>& grid)
{
    return std::all_of(grid.begin(), grid.end(), [](std::uint8_t v) { return v == kEmptyCell || v <= 8; });
}

bool checkRecord(const SavedGameRecord& r, QString* error)
{
    struct Grid {
        const std::array<std::uint8_t, SavedGameRecord::kCells>* cells;
        const char* name;
    };
    for (const Grid& g : {Grid{&r.current, "grille de jeu"}, Grid{&r.solution, "solution"},
                          Grid{&r.givens, "grille de départ"}})
        if (!gridIsValid(*g.cells))
            return refuse(error, QStringLiteral("la %1 contient une valeur autre que 1 à 9 ou vide.")
                                     .arg(QString::fromUtf8(g.name)));
    if (!std::all_of(r.marks.begin(), r.marks.end(), [](std::uint8_t v) { return v <= 1; }))
        return refuse(error, QStringLiteral("une marque de crayon vaut autre chose que 0 ou 1."));
    if (r.level < 0 || r.level > 4)
        return refuse(error, QStringLiteral("le niveau %1 n'est pas entre 0 et 4.").arg(r.level));
    if (!std::isfinite(r.gameTime) || r.gameTime < 0)
        return refuse(error, QStringLiteral("le temps de jeu n'est pas un nombre de secondes valable."));
    return true;
}

} // namespace

QByteArray EncodeSavedGame(const SavedGameRecord& record)
{
    QByteArray out(L::kFileSize, '\0');
    putBytes(out, L::kCurrent, record.current);
    putBytes(out, L::kSolution, record.solution);
    putBytes(out, L::kGivens, record.givens);
    putBytes(out, L::kMarks, record.marks);

    const QByteArray name = encodeCp1252(record.playerName).left(SavedGameRecord::kMaxNameLength);
    out[L::kName] = static_cast<char>(name.size());
    std::memcpy(out.data() + L::kName + 1, name.constData(), static_cast<std::size_t>(name.size()));

    putInt32(out, L::kLevel, record.level);
    putInt32(out, L::kGridNumber, record.gridNumber);
    putDouble(out, L::kGameTime, record.gameTime);
    return out;
}

std::optional<SavedGameRecord> DecodeSavedGame(const QByteArray& bytes, QString* error)
{
    if (bytes.size() != L::kFileSize) {
        refuse(error, QStringLiteral("le fichier fait %1 octets au lieu de %2.").arg(bytes.size()).arg(L::kFileSize));
        return std::nullopt;
    }
    FileBytes file;
    std::copy(bytes.cbegin(), bytes.cend(), file.begin());
    const int nameLength = static_cast<std::uint8_t>(file[L::kName]);
    if (nameLength > SavedGameRecord::kMaxNameLength) {
        refuse(error, QStringLiteral("le nom du joueur annonce %1 caractères, 10 au plus.").arg(nameLength));
        return std::nullopt;
    }

    SavedGameRecord r;
    getBytes(file, L::kCurrent, r.current);
    getBytes(file, L::kSolution, r.solution);
    getBytes(file, L::kGivens, r.givens);
    getBytes(file, L::kMarks, r.marks);
    r.playerName = decodeCp1252(QByteArray(file.data() + L::kName + 1, nameLength));
    r.level = getInt32(file, L::kLevel);
    r.gridNumber = getInt32(file, L::kGridNumber);
    r.gameTime = getDouble(file, L::kGameTime);
    if (!checkRecord(r, error))
        return std::nullopt;
    return r;
}

void captureEngineGrids(const SudokuEngine& engine, SavedGameRecord& record)
{
    std::copy(std::begin(engine.FCurrent), std::end(engine.FCurrent), record.current.begin());
    std::copy(std::begin(engine.FSolution), std::end(engine.FSolution), record.solution.begin());
    std::copy(std::begin(engine.FGivens), std::end(engine.FGivens), record.givens.begin());
    std::copy(std::begin(engine.FMarks), std::end(engine.FMarks), record.marks.begin());
    record.level = engine.GameLevel;
}

void restoreEngineGrids(const SavedGameRecord& record, SudokuEngine& engine)
{
    std::copy(record.current.begin(), record.current.end(), std::begin(engine.FCurrent));
    std::copy(record.solution.begin(), record.solution.end(), std::begin(engine.FSolution));
    std::copy(record.givens.begin(), record.givens.end(), std::begin(engine.FGivens));
    std::copy(record.marks.begin(), record.marks.end(), std::begin(engine.FMarks));
    assert(record.level >= 0 && record.level <= 4);
    engine.GameLevel = static_cast<std::uint8_t>(record.level);
}
