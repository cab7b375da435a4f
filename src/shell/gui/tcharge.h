// The splash window shown while the program starts.
#pragma once

#include <QWidget>

namespace shell {

class TCharge : public QWidget {
    Q_OBJECT
public:
    explicit TCharge(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace shell
