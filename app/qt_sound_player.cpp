// The sound module: wave files played through Qt Multimedia's sound effects.
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <map>
#include <memory>
#include <string>

#include "app/sound_player.h"

namespace {

class QtSoundPlayer : public SoundPlayer {
public:
    bool Play(const std::filesystem::path& waveFile) override {
        if (QMediaDevices::audioOutputs().isEmpty()) return false;
        auto& effect = sounds_[waveFile.string()];
        if (!effect) {
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(QUrl::fromLocalFile(QString::fromStdString(waveFile.string())));
        }
        effect->stop();
        effect->play();
        return true;
    }

private:
    std::map<std::string, std::unique_ptr<QSoundEffect>> sounds_;
};

}  // namespace

extern "C" Q_DECL_EXPORT SoundPlayer* CreateZindrelSoundPlayer() {
    return new QtSoundPlayer;
}
