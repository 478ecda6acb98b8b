#include "Sounds.h"

#include "AudioDevice.h"
#include "DefaultBeep.h"

#include <QDir>
#include <QFile>

#include <SDL_mixer.h>

namespace {

constexpr int kSoundChannel = 0;

} // namespace

Sounds::Sounds(const QString& appFolder)
    : m_appFolder(appFolder)
{
}

Sounds::~Sounds()
{
    // Freeing a chunk also stops the channel that plays it.
    for (Mix_Chunk* chunk : std::as_const(m_chunks))
        Mix_FreeChunk(chunk);
    if (m_beep)
        Mix_FreeChunk(m_beep);
}

void Sounds::setAppFolder(const QString& appFolder)
{
    m_appFolder = appFolder;
}

QString Sounds::soundPath(const QString& name) const
{
    return QDir(m_appFolder).filePath(QStringLiteral("sons/") + name + QStringLiteral(".wav"));
}

void Sounds::JoueSon(const QString& name)
{
    if (!openAudioDevice())
        return;
    const QString path = soundPath(name);
    Mix_Chunk* chunk = chunkFor(path);
    m_currentIsDefault = chunk == nullptr;
    if (!chunk)
        chunk = defaultChunk();
    m_current = path;
    if (chunk)
        Mix_PlayChannel(kSoundChannel, chunk, 0);
}

QString Sounds::currentSound() const
{
    return m_current;
}

bool Sounds::currentIsDefault() const
{
    return m_currentIsDefault;
}

bool Sounds::isPlaying() const
{
    return openAudioDevice() && Mix_Playing(kSoundChannel) != 0;
}

Mix_Chunk* Sounds::chunkFor(const QString& path)
{
    if (Mix_Chunk* cached = m_chunks.value(path))
        return cached;
    Mix_Chunk* chunk = Mix_LoadWAV(QFile::encodeName(path).constData());
    if (chunk)
        m_chunks.insert(path, chunk);
    return chunk;
}

Mix_Chunk* Sounds::defaultChunk()
{
    if (!m_beep) {
        const QByteArray wave = defaultBeepWave();
        m_beep = Mix_LoadWAV_RW(SDL_RWFromConstMem(wave.constData(), static_cast<int>(wave.size())), 1);
    }
    return m_beep;
}
