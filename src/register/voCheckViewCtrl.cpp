#include "voCheckViewCtrl.h"

#include <QPushButton>
#include <QVBoxLayout>

voCheckViewCtrl::voCheckViewCtrl(BudgetDocument &document, Alerts &alerts, const Calendar &calendar, QWidget *parent)
    : QWidget(parent)
    , _document(document)
    , _alerts(alerts)
    , _calendar(calendar)
{
    auto *layout = new QVBoxLayout(this);
    _fillEnvelope = new QPushButton(tr("Envelopes…"), this);
    _fillEnvelope->setAccessibleName(tr("Edit envelopes"));
    layout->addWidget(_fillEnvelope);
    layout->addStretch();
}

void voCheckViewCtrl::initView()
{
}

void voCheckViewCtrl::closeView()
{
}
