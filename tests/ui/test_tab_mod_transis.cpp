#include "ui_fixture.h"

class TestModTransis : public QObject {
    Q_OBJECT
};

QTEST_MAIN(TestModTransis)
#include "test_tab_mod_transis.moc"
