#pragma once

#include <QHash>
#include <QString>

struct Mix_Chunk;

// The game's wave sounds, played by name from appFolder/sons/<name>.wav on a
// single mixer channel: a new sound cuts off the one playing. Loaded sounds
// are kept for the life of the object.
class Sounds {
public:
    explicit Sounds(const QString& appFolder = QString());
    ~Sounds();
    Sounds(const Sounds&) = delete;
    Sounds& operator=(const Sounds&) = delete;

    void setAppFolder(const QString& appFolder);
    QString soundPath(const QString& name) const;

    // Starts the sound and returns at once. A file that cannot be played gives
    // the default beep; without an audio device nothing happens.
    void JoueSon(const QString& name);

    // The wave file of the last sound started, and whether the default beep
    // stood in for it.
    QString currentSound() const;
    bool currentIsDefault() const;
    bool isPlaying() const;

private:
    Mix_Chunk* chunkFor(const QString& path);
    Mix_Chunk* defaultChunk();

    QString m_appFolder;
    QHash<QString, Mix_Chunk*> m_chunks;
    Mix_Chunk* m_beep = nullptr;
    QString m_current;
    bool m_currentIsDefault = false;
};
