// `montora calendar` and `montora add-calendar`: month calendar pictures.
#include "cli/cli_command.h"

#include "canvas/collage_project.h"
#include "imaging/picture_saver.h"
#include "tools/month_calendar_control.h"

#include <QDate>

namespace montora::cli {

namespace {

const char* kCalendarUsage =
    "Usage: montora calendar YYYY-MM OUT.png\n"
    "Writes the 260 x 260 month calendar picture: white is transparent, the text opaque\n"
    "and its anti-aliased edges half transparent.";
const char* kAddCalendarUsage =
    "Usage: montora add-calendar PROJECT.mcf YYYY-MM [--at X,Y]\n"
    "Puts the month calendar on top of the collage as a picture item, its top-left corner\n"
    "at X,Y (0,0 unless given). The project is saved in place and carries the picture.";

QDate parseMonth(const QString& text)
{
    return QDate::fromString(text + QStringLiteral("-01"), QStringLiteral("yyyy-MM-dd"));
}

int writeCalendar(CliContext& context)
{
    if (wantsHelp(context.args)) {
        context.out << kCalendarUsage << "\n";
        return kSuccess;
    }
    if (context.args.size() != 2)
        return usageError(context, "calendar needs YYYY-MM and OUT.png", kCalendarUsage);
    const QDate month = parseMonth(context.args[0]);
    if (!month.isValid())
        return usageError(context, "the month is written YYYY-MM", kCalendarUsage);
    const QImage picture = MonthCalendarControl::monthPicture(month.year(), month.month());
    const Status saved = PictureSaver::saveByExtension(picture, context.args[1]);
    return saved ? kSuccess : fail(context, context.args[1], saved.message());
}

int addCalendar(CliContext& context)
{
    if (wantsHelp(context.args)) {
        context.out << kAddCalendarUsage << "\n";
        return kSuccess;
    }
    bool missing = false;
    const QString at = takeOption(context.args, "--at", &missing);
    if (missing)
        return usageError(context, "--at needs X,Y", kAddCalendarUsage);
    if (context.args.size() != 2)
        return usageError(context, "add-calendar needs PROJECT.mcf and YYYY-MM", kAddCalendarUsage);
    QPoint point;
    if (!at.isNull() && !parsePoint(at, &point))
        return usageError(context, "--at takes X,Y", kAddCalendarUsage);
    const QDate month = parseMonth(context.args[1]);
    if (!month.isValid())
        return usageError(context, "the month is written YYYY-MM", kAddCalendarUsage);

    const QString projectPath = context.args[0];
    return editProject(context, projectPath, [&](CollageProject& project) {
        auto added = project.addPixelPicture(MonthCalendarControl::monthPicture(month.year(), month.month()));
        if (!added)
            return fail(context, projectPath, added.status().message());
        ClipartItem& calendar = *project.item(*added).asClipart();
        calendar.left = point.x();
        calendar.top = point.y();
        return int(kSuccess);
    });
}

const CliCommandRegistration kCalendar({"calendar", "write a month calendar picture (PNG)", writeCalendar});
const CliCommandRegistration kAddCalendar({"add-calendar", "put a month calendar on a collage project", addCalendar});

} // namespace

} // namespace montora::cli
