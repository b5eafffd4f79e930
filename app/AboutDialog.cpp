#include "app/AboutDialog.h"

#include "app/Startup.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
    , m_logo(new QLabel(this))
    , m_title(new QLabel(this))
    , m_version(new QLabel(this))
    , m_contact(new QLabel(this))
{
    setObjectName(QStringLiteral("AboutDialog"));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const QPixmap logo(QStringLiteral(":/Specula/image/logo.png"));
    if (!logo.isNull())
        m_logo->setPixmap(logo.scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    m_logo->setFixedSize(96, 96);
    m_logo->setAlignment(Qt::AlignCenter);

    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    m_title->setObjectName(QStringLiteral("labelTitle"));
    m_version->setObjectName(QStringLiteral("labelVersion"));
    m_contact->setObjectName(QStringLiteral("labelContact"));
    m_contact->setWordWrap(true);
    m_contact->setMinimumWidth(320);
    m_contact->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *texts = new QVBoxLayout;
    texts->addWidget(m_title);
    texts->addWidget(m_version);
    texts->addSpacing(8);
    texts->addWidget(m_contact);
    texts->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addWidget(m_logo, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    retranslate();
}

AboutDialog::~AboutDialog() = default;

QString AboutDialog::version()
{
    return QStringLiteral(LUMIVEX_VERSION);
}

void AboutDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void AboutDialog::retranslate()
{
    setWindowTitle(tr("关于"));
    m_title->setText(g_progmaName.isEmpty() ? QStringLiteral("Lumivex Pro") : g_progmaName);
    m_version->setText(tr("版本 %1").arg(version()));
    m_contact->setText(tr("用于 USB 数码显微镜的图像采集与测量软件。\n"
                          "如需技术支持或反馈问题，请联系您的经销商。"));
    if (auto *ok = findChild<QDialogButtonBox *>())
        ok->button(QDialogButtonBox::Ok)->setText(tr("确定"));
}
