#include "ui_fixture.h"

class TestReatorFiltro : public QObject {
    Q_OBJECT
};

QTEST_MAIN(TestReatorFiltro)
#include "test_tab_reator_filtro.moc"
