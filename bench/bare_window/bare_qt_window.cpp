// A window with nothing of the form in it: the size of the preview window,
// one line of Japanese text. Its start-up is what the toolkit itself takes
// on this machine (libraries, platform plugin, fonts, the first painting),
// the floor under the program's own start-up figure.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setCentralWidget(new QLabel(QStringLiteral("概況調査 1/31")));
  window.resize(892, 701);
  window.show();
  return app.exec();
}
