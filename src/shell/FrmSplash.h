#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// The borderless window shown while the program creates its long-lived objects.
class TFrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit TFrmSplash(QWidget* parent = nullptr);

    // Moves the progress bar on by step (of 100).
    void Advance(int step);
    int Progress() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QProgressBar* gueLogin;
    QLabel* LblVersion;
    QLabel* imgSplash;
};
