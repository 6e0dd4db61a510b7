#pragma once
// Each tab's form, built into its (empty) page. The controls carry their
// design names; their items, limits and initial texts come from the design.
#include <QWidget>

namespace kelvora {

void buildInicioTab(QWidget* page);
void buildAjustesTab(QWidget* page);
void buildHistoricoTab(QWidget* page);
void buildTrafoAlimTab(QWidget* page);
void buildModValvulTab(QWidget* page);
void buildModTransisTab(QWidget* page);
void buildReatorFiltroTab(QWidget* page);

} // namespace kelvora
