#pragma once

#include "controls/CommonDialogs.h"

#include <QList>
#include <QStringList>

// Answers every message box with a fixed result and remembers what was asked.
struct MessageRecorder {
    QList<TMessageRequest> requests;
    int answer = mrOk;
    MessageRecorder() {
        SetMessageHandler([this](const TMessageRequest& request) {
            requests.append(request);
            return answer;
        });
    }
    ~MessageRecorder() { SetMessageHandler({}); }
    QStringList texts() const {
        QStringList result;
        for (const auto& request : requests)
            result.append(request.text);
        return result;
    }
};
