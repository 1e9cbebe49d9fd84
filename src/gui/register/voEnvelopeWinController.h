#pragma once

#include "dialogs/voModalWinController.h"

#include <memory>

class Alerts;
class DocumentEditing;
class voEnvelopeWinData;
namespace Ui {
class EnvelopeWindow;
}

/// The envelope editor: every category's envelope amount for one month,
/// edited in place in the document while the window is open. Whoever opens
/// it recomputes the month once startModal() has returned.
class voEnvelopeWinController final : public voModalWinController
{
    Q_OBJECT

public:
    voEnvelopeWinController(DocumentEditing &edits, Alerts &alerts, QWidget *parent = nullptr);
    ~voEnvelopeWinController() override;

    /// Shows the editor for the month ("jan" … "dec") under the parent's title bar.
    void openMonth(int month, QWidget *parentWindow);
    /// The close button: ends any edit in progress, then closes the window.
    void closePressed();

    [[nodiscard]] voEnvelopeWinData &tableData() const { return *_data; }

private:
    std::unique_ptr<Ui::EnvelopeWindow> _ui;
    voEnvelopeWinData *_data;
};
