#include "ui/TPlayerPanel.h"

#include "app/ConnectShowingErrors.h"
#include "app/IUserMessages.h"
#include "cdimport/TCDcontrol.h"
#include "cdimport/TQtAudioOutput.h"
#include "cdimport/TSoundFileSource.h"
#include "ui/DarkPictures.h"
#include "ui/TBitSlider.h"
#include "ui/TCdControlPreview.h"
#include "ui/TCustomBitButton.h"
#include "ui/TPreviewPlayer.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {
void ShowIfFailed(const TResult& result) {
    if (!result)
        UserMessages().ShowMessage(result.ErrorText());
}
} // namespace

TPlayerPanel::TPlayerPanel(TSoundList& sounds, TCDcontrol* cd, QWidget* parent)
    : QWidget(parent), cdPreview_(std::make_unique<TCdControlPreview>(cd)) {
    if (!cd)
        ownOutput_ = std::make_unique<TQtAudioOutput>();
    player_ = std::make_unique<TPreviewPlayer>(
        sounds, *cdPreview_, cd ? cd->AudioOutput() : *ownOutput_,
        [](const QString& path) -> std::unique_ptr<IPcmSource> { return TSoundFileSource::Open(path); });
    player_->RepaintList = [this] { RepaintList(); };
    setObjectName("PlayerPanel");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    PlayBtn = new TCustomBitButton(this);
    PlayBtn->setObjectName("PlayBtn");
    PlayBtn->SetUpImage(DarkGlyphPicture(QSize(32, 32), QString::fromUtf8("\u25b6"), false));
    PlayBtn->SetDownImage(DarkGlyphPicture(QSize(32, 32), QString::fromUtf8("\u25a0"), true));
    PlayBtn->SetDisabledImage(DarkDisabledPicture(QSize(32, 32)));
    PlayBtn->DontMessWithDown = true; // down exactly while the player plays
    PlayBtn->setToolTip("Play/Pause");
    layout->addWidget(PlayBtn);

    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    PlaySlider = new TBitSlider(this);
    PlaySlider->setObjectName("PlaySlider");
    PlaySlider->setMinimumWidth(60);
    column->addWidget(PlaySlider);
    auto* row = new QHBoxLayout;
    lblTime = new QLabel("00:00", this);
    lblTime->setObjectName("lblTime");
    lblTime->setMinimumWidth(44);
    row->addWidget(lblTime);
    VolSlider = new TBitSlider(this);
    VolSlider->setObjectName("VolSlider");
    VolSlider->setFixedWidth(50);
    VolSlider->IdlePos = TPreviewPlayer::InitialVolume;
    VolSlider->SetPosition(TPreviewPlayer::InitialVolume);
    VolSlider->setToolTip("Volume");
    row->addWidget(VolSlider);
    column->addLayout(row);
    layout->addLayout(column, 1);

    AudioGUItimer = new QTimer(this);
    AudioGUItimer->setObjectName("AudioGUItimer");
    AudioGUItimer->setInterval(1000);
    ConnectShowingErrors(AudioGUItimer, &QTimer::timeout, this, &TPlayerPanel::AudioGUItimerTimer);
    ConnectShowingErrors(PlayBtn, &TCustomBitButton::OnClick, this, &TPlayerPanel::PlayBtnClick);
    ConnectShowingErrors(PlaySlider, &TBitSlider::AfterUserChange, this,
                         [this] { player_->PlaySliderAfterUserChange(PlaySlider->Position()); });
    ConnectShowingErrors(VolSlider, &TBitSlider::onUserChange, this,
                         [this] { player_->VolSliderUserChange(VolSlider->Position()); });
}

TPlayerPanel::~TPlayerPanel() = default;

void TPlayerPanel::ForgetSoundIfGone() {
    player_->ForgetSoundIfGone();
    ShowView();
}

void TPlayerPanel::PlaySelected() {
    const auto [sound, row] = FirstSelected();
    const TResult result = player_->PlaySelected(sound, row, ImportMode());
    ShowView();
    ShowIfFailed(result);
}

void TPlayerPanel::PlayBtnClick() {
    const auto [sound, row] = FirstSelected();
    const TResult result = player_->PlayBtnClick(sound, row, ImportMode());
    ShowView();
    ShowIfFailed(result);
}

void TPlayerPanel::StopPreview() {
    player_->Stop(ImportMode());
    ShowView();
}

void TPlayerPanel::AudioGUItimerTimer() {
    player_->AudioGUItimerTimer(ImportMode());
    ShowView();
}

void TPlayerPanel::ShowView() {
    const TPlayerView& view = player_->View();
    PlayBtn->SetDown(view.PlayDown);
    PlaySlider->SetPosition(view.SliderPosition); // ignored while the user drags it
    lblTime->setText(view.TimeText);
    if (!view.TimerOn)
        AudioGUItimer->stop();
    else if (!AudioGUItimer->isActive())
        AudioGUItimer->start();
}
