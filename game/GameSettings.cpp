#include "GameSettings.h"

#include <QSettings>
#include <QVariant>

namespace {

// The stored text of the key, or nothing when the key is absent or holds
// something other than a single string (a hand-edited list, for one).
std::optional<QString> readText(const QSettings& store, const QString& key)
{
    const QVariant value = store.value(key);
    if (!value.isValid())
        return std::nullopt;
    const int type = value.metaType().id();
    if (type != QMetaType::QString && type != QMetaType::QByteArray)
        return std::nullopt;
    return value.toString();
}

} // namespace

std::optional<int> GameSettings::parseInteger(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || text.trimmed() != text)
        return std::nullopt;
    return value;
}

GameSettingsValues GameSettings::read(const Defaults& defaults)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(kOrganisation),
                    QString::fromLatin1(kApplication));
    store.beginGroup(QString::fromLatin1(kGroup));

    GameSettingsValues values;
    const auto textOr = [&](const char* key, const QString& fallback) {
        return readText(store, QString::fromLatin1(key)).value_or(fallback);
    };

    values.volume = kDefaultVolume;
    if (const auto text = readText(store, QStringLiteral("Volume")))
        values.volume = parseInteger(*text).value_or(kDefaultVolume);
    values.player = textOr("Joueur", defaults.player);
    values.theme = textOr("Theme", defaults.theme);
    values.difficulty = textOr("Difficulte", defaults.difficulty);
    values.display = textOr("Affichage", defaults.display);
    values.musicPaused = false;
    if (const auto text = readText(store, QStringLiteral("Musique")))
        values.musicPaused = parseInteger(*text).value_or(0) != 0;
    return values;
}

void GameSettings::write(const GameSettingsValues& values)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(kOrganisation),
                    QString::fromLatin1(kApplication));
    store.beginGroup(QString::fromLatin1(kGroup));
    store.setValue(QStringLiteral("Volume"), QString::number(values.volume));
    store.setValue(QStringLiteral("Joueur"), values.player);
    store.setValue(QStringLiteral("Theme"), values.theme);
    store.setValue(QStringLiteral("Difficulte"), values.difficulty);
    store.setValue(QStringLiteral("Affichage"), values.display);
    store.setValue(QStringLiteral("Musique"), values.musicPaused ? QStringLiteral("1") : QStringLiteral("0"));
    store.endGroup();
    store.sync();
}
