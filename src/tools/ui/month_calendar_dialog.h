#pragma once

#include "tools/ui/tool_dialog.h"

#include <QDate>
#include <QImage>

namespace montora {

class MonthCalendarView;
class SkinButton;

// "Add Transparent Month Calender": one month, stepped with "<<" and ">>". OK
// turns the month as drawn into the calendar picture before the dialog closes.
class MonthCalendarDialog : public ToolDialog {
    Q_OBJECT

public:
    static constexpr int kOkId = 1;
    static constexpr int kCancelId = 2;

    explicit MonthCalendarDialog(QDate today = QDate::currentDate(), QWidget* parent = nullptr);

    MonthCalendarView* view() const { return m_view; }
    SkinButton* okButton() const { return m_ok; }
    SkinButton* cancelButton() const { return m_cancel; }
    // Null until OK.
    const QImage& picture() const { return m_picture; }

    void accept() override;

private:
    SkinButton* makeButton(int id, const QRect& place, const QString& caption);

    MonthCalendarView* m_view;
    SkinButton* m_ok;
    SkinButton* m_cancel;
    QImage m_picture;
};

} // namespace montora
