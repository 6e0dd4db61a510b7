#include "ui_fixture.h"

class TestModValvul : public QObject {
    Q_OBJECT
};

QTEST_MAIN(TestModValvul)
#include "test_tab_mod_valvul.moc"
