// A plain window for the real-window tests: dragged with the left button it offers the files named
// on its command line (text/uri-list, copy) to whatever window is under the pointer, as a file
// manager does over XDND; every press it receives and every step of a drag is appended to a log,
// so a test can tell which clicks reached it and when the drop target accepted.
//
//   qav_e2e_drag_source --at X,Y --log FILE [PATH or ADDRESS...]

#include <QApplication>
#include <QDrag>
#include <QFile>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

#include <cstdio>
#include <utility>

namespace {

class DragSource final : public QWidget {
 public:
  DragSource(QList<QUrl> urls, const QString& logPath) : urls_(std::move(urls)), log_(logPath) {
    setWindowTitle("QAV drag source");
    setFixedSize(120, 120);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(255, 220, 0));
    setPalette(colours);
    setAutoFillBackground(true);
    if (!log_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
      std::fprintf(stderr, "cannot open the log %s\n", qPrintable(logPath));
    }
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    pressAt_ = event->position().toPoint();
    Note(QString("press %1 %2 %3").arg(pressAt_.x()).arg(pressAt_.y()).arg(event->button()));
  }

  // The drag starts only once the pointer has moved, so a plain click stays a click.
  void mouseMoveEvent(QMouseEvent* event) override {
    if (!(event->buttons() & Qt::LeftButton) || dragging_ ||
        (event->position().toPoint() - pressAt_).manhattanLength() <
            QApplication::startDragDistance()) {
      return;
    }
    dragging_ = true;
    auto* offer = new QMimeData;
    offer->setUrls(urls_);
    auto* drag = new QDrag(this);
    drag->setMimeData(offer);
    QObject::connect(drag, &QDrag::actionChanged,
                     [this](Qt::DropAction action) { Note(QString("action %1").arg(action)); });
    Note("drag");
    const Qt::DropAction result = drag->exec(Qt::CopyAction);
    Note(QString("dropped %1").arg(result));
    dragging_ = false;
  }

 private:
  void Note(const QString& line) {
    log_.write((line + '\n').toUtf8());
    log_.flush();
  }

  QList<QUrl> urls_;
  QFile log_;
  QPoint pressAt_;
  bool dragging_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QStringList args = QApplication::arguments().mid(1);
  QPoint at(20, 20);
  QString log = "/dev/null";
  QList<QUrl> urls;
  while (!args.isEmpty()) {
    const QString arg = args.takeFirst();
    if (arg == "--at" && !args.isEmpty()) {
      const QStringList xy = args.takeFirst().split(',');
      if (xy.size() == 2) at = QPoint(xy[0].toInt(), xy[1].toInt());
    } else if (arg == "--log" && !args.isEmpty()) {
      log = args.takeFirst();
    } else {
      urls.append(arg.contains("://") ? QUrl(arg) : QUrl::fromLocalFile(arg));
    }
  }
  DragSource window(urls, log);
  window.move(at);
  window.show();
  return QApplication::exec();
}
