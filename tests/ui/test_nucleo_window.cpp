#include "ui_fixture.h"

class TestNucleoWindow : public QObject {
    Q_OBJECT
};

QTEST_MAIN(TestNucleoWindow)
#include "test_nucleo_window.moc"
