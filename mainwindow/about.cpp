#include "about.h"

#include "caption.h"
#include "tandem_version.h"
#include "web_page.h"

#include <QDate>
#include <QFile>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <utility>

// The licence lives in this static library, whose resources register only
// when asked to; the macro must be called outside any namespace.
static bool RegisterLicenceResource()
{
    Q_INIT_RESOURCE(licence);
    return true;
}

namespace tandem::mainwindow {
namespace {

constexpr int DialogWidth = 480;
constexpr int FrameMargin = 8;
constexpr int Margin = 24;
constexpr int IconSize = 48;
constexpr int FlagSize = 16;
constexpr int TextWidth = DialogWidth - 2 * Margin;
constexpr int LicenceHeight = 110;

QString licenceText()
{
    [[maybe_unused]] static const bool registered = RegisterLicenceResource();
    QFile file(QStringLiteral(":/text/LICENSE"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text = QString())
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// Gives the label its natural height at `width` (word-wrapped labels grow
// to hold their whole text) and returns the y just below it.
int Place(QLabel* label, int x, int y, int width)
{
    const int height = label->wordWrap() ? label->heightForWidth(width) : label->sizeHint().height();
    label->setGeometry(x, y, width, height);
    return y + height;
}

bool IsLeftClick(const QEvent* event, const QWidget* target)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    // A press that slides off before the release cancels the click.
    return mouse->button() == Qt::LeftButton && target->rect().contains(mouse->position().toPoint());
}

} // namespace

About::About(const QIcon& icon, std::function<void()> openWebPage, QWidget* parent)
    : QDialog(parent)
    , openWebPage_(std::move(openWebPage))
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About Tandem"));
    setWindowIcon(icon);
    setModal(true);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame"));
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);

    auto* iconLabel = NewLabel(this, "ApplicationIcon");
    iconLabel->setPixmap(icon.pixmap(IconSize, IconSize));
    iconLabel->setGeometry(Margin, Margin, IconSize, IconSize);

    const int textLeft = Margin + IconSize + 16;
    QLabel* name = NewLabel(this, "ApplicationName", QStringLiteral("Tandem"));
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.8);
    name->setFont(nameFont);
    int y = Place(name, textLeft, Margin, DialogWidth - Margin - textLeft);
    QLabel* version =
        NewLabel(this, "Version", VersionText(TANDEM_VERSION_MAJOR, TANDEM_VERSION_MINOR, TANDEM_VERSION_PATCH));
    y = Place(version, textLeft, y, DialogWidth - Margin - textLeft);

    // The year the box is shown, so the notice never looks stale.
    QLabel* copyright = NewLabel(this, "Copyright",
        QStringLiteral("Copyright \u00A9 %1 The Tandem developers").arg(QDate::currentDate().year()));
    y = Place(copyright, Margin, std::max(y, Margin + IconSize) + 16, TextWidth);

    QLabel* credits = NewLabel(this, "Label1", QStringLiteral("Made for people who mix in Adobe Audition."));
    const int creditsTop = y + 6;
    y = Place(credits, Margin + FlagSize + 6, creditsTop, TextWidth - FlagSize - 6);
    auto* flag = NewLabel(this, "FlagIcon");
    flag->setPixmap(icon.pixmap(FlagSize, FlagSize));
    flag->setGeometry(Margin, creditsTop + (credits->height() - FlagSize) / 2, FlagSize, FlagSize);

    QLabel* disclaimer = NewLabel(this, "Disclaimer",
        QStringLiteral("Tandem is provided as is, without warranty of any kind. Keep copies of your sessions: "
                       "the authors are not liable for any loss of data or other damage that comes from using "
                       "this software."));
    disclaimer->setWordWrap(true);
    // Room between the paragraph and the donation line that follows it.
    disclaimer->setContentsMargins(0, 0, 0, 12);
    y = Place(disclaimer, Margin, y + 16, TextWidth);

    // The request and the address read as one line in the middle of the box.
    QLabel* donate = NewLabel(this, "DonateLabel0", QStringLiteral("Donation via our web site: "));
    addressLabel_ = NewLabel(this, "DonateLabel1", QString::fromLatin1(WebPageAddress));
    QFont addressFont = addressLabel_->font();
    addressFont.setUnderline(true);
    addressLabel_->setFont(addressFont);
    addressLabel_->setForegroundRole(QPalette::Link);
    addressLabel_->setCursor(Qt::PointingHandCursor);
    donate->adjustSize();
    addressLabel_->adjustSize();
    const int donateLeft = (DialogWidth - (donate->width() + addressLabel_->width())) / 2;
    donate->move(donateLeft, y);
    addressLabel_->move(donateLeft + donate->width(), y);
    y += std::max(donate->height(), addressLabel_->height());

    QLabel* licence = NewLabel(this, "Licence", QStringLiteral("Tandem is free software under the MIT License:"));
    y = Place(licence, Margin, y + 12, TextWidth);
    licenceText_ = new QPlainTextEdit(licenceText(), this);
    licenceText_->setObjectName(QStringLiteral("LicenceText"));
    licenceText_->setReadOnly(true);
    licenceText_->setAccessibleName(QStringLiteral("Licence"));
    licenceText_->setGeometry(Margin, y + 4, TextWidth, LicenceHeight);
    y += 4 + LicenceHeight;
    QLabel* qtVersion = NewLabel(this, "QtVersion",
        QStringLiteral("Built with Qt %1, running on Qt %2")
            .arg(QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion())));
    y = Place(qtVersion, Margin, y + 8, TextWidth);

    // Closes like Esc. It takes no focus and is not the default, so that the
    // other keys still do nothing.
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("OkButton"));
    okButton_->setFocusPolicy(Qt::NoFocus);
    okButton_->setAutoDefault(false);
    okButton_->adjustSize();
    okButton_->move(DialogWidth - Margin - okButton_->width(), y + 8);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    y += 8 + okButton_->height();

    const int height = y + Margin;
    setFixedSize(DialogWidth, height);
    frame->setGeometry(FrameMargin, FrameMargin, DialogWidth - 2 * FrameMargin, height - 2 * FrameMargin);
    frame->lower();

    // One transparent label over the whole box takes every click but those
    // on the address, which sits in front of it.
    clickLabel_ = NewLabel(this, "ClickLabel");
    clickLabel_->setFrameShape(QFrame::NoFrame);
    clickLabel_->setCursor(Qt::ArrowCursor);
    clickLabel_->setGeometry(rect());
    clickLabel_->raise();
    addressLabel_->raise();
    licenceText_->raise();
    okButton_->raise();
    clickLabel_->installEventFilter(this);
    addressLabel_->installEventFilter(this);
}

bool About::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == addressLabel_ && IsLeftClick(event, addressLabel_)) {
        openWebPage_();
        return true;
    }
    if (watched == clickLabel_ && IsLeftClick(event, clickLabel_)) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tandem::mainwindow
