// A minimal window of the same toolkit and size as the program: one tab of
// captioned fields. Start-up and memory are compared against it.
#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("baseline"));
    w.resize(954, 709);
    auto* tabs = new QTabWidget(&w);
    tabs->setGeometry(8, 8, 929, 673);
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    for (int r = 0; r < 12; ++r) {
        grid->addWidget(new QLabel(QStringLiteral("Campo %1:").arg(r), page), r, 0);
        grid->addWidget(new QLineEdit(QStringLiteral("1"), page), r, 1);
    }
    tabs->addTab(page, QStringLiteral("Aba"));
    // Diagnosis only: the program builds its two save dialogs at start-up;
    // BASELINE_FILE_DIALOGS=1 adds the same to the baseline to price them.
    if (qEnvironmentVariableIsSet("BASELINE_FILE_DIALOGS"))
        for (int i = 0; i < 2; ++i)
            new QFileDialog(&w);
    w.show();
    return app.exec();
}
