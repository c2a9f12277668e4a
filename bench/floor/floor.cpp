// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the game is measured against: the least a Qt Widgets program
// costs that shows one fixed 589 x 505 window painting the menu's background
// picture from a resource. Nothing else: no sound, no fonts, no engine.
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace {

class Floor : public QWidget {
  public:
    Floor() : picture_(":/floor/main.Image1.bmp") {
        setWindowTitle("Floor");
        setFixedSize(589, 505);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, picture_); }

  private:
    QPixmap picture_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Floor floor;
    floor.show();
    return QApplication::exec();
}
