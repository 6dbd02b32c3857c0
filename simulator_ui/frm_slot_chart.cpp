#include "frm_slot_chart.h"

frmSlotChart::frmSlotChart(const tamberlo::GameState& state, tamberlo::RunLogs& logs,
                           tamberlo::Display& mainWindow, QWidget* parent)
    : QWidget(parent), state_(state), logs_(logs), mainWindow_(mainWindow) {
  setWindowTitle("Slot Chart");
}

void frmSlotChart::DrawPercent() {}
