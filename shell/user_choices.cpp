#include "shell/user_choices.h"

#include <QSettings>
#include <memory>

namespace shell {

namespace {

constexpr const char* kReview = "write/reviewBeforeWrite";
constexpr const char* kRecordingSeconds = "recording/seconds";
constexpr int kDefaultSeconds = 10;

std::unique_ptr<QSettings> choicesOf(const QString& program) {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "aquendor",
                                       program);
}

void keep(const QString& program, const char* key, const QVariant& value) {
    const auto settings = choicesOf(program);
    settings->setValue(key, value);
    settings->sync();
}

}  // namespace

bool UserChoices::reviewBeforeWrite() const {
    return choicesOf(program_)->value(kReview, true).toBool();
}

void UserChoices::setReviewBeforeWrite(bool on) {
    keep(program_, kReview, on);
}

int UserChoices::recordingSeconds() const {
    bool ok = false;
    const int seconds = choicesOf(program_)->value(kRecordingSeconds, kDefaultSeconds).toInt(&ok);
    return ok && seconds >= 1 && seconds <= 3600 ? seconds : kDefaultSeconds;
}

void UserChoices::setRecordingSeconds(int seconds) {
    keep(program_, kRecordingSeconds, seconds);
}

}  // namespace shell
