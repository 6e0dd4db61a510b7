#include "ui_fixture.h"

class TestTrafoAlim : public QObject {
    Q_OBJECT
};

QTEST_MAIN(TestTrafoAlim)
#include "test_tab_trafo_alim.moc"
