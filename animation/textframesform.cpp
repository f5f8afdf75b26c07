#include "textframesform.h"

#include "animation.h"

#include <QComboBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>

TextFramesForm::TextFramesForm(int maxSize, int size, int frameMs, QWidget *parent)
    : QWidget(parent)
{
    m_text = new QLineEdit(tr("Hello, world"), this);
    m_text->setObjectName(QStringLiteral("txtFramesText"));
    m_font = new QFontComboBox(this);
    m_size = new QSpinBox(this);
    m_size->setRange(4, maxSize);
    m_size->setValue(size);
    m_size->setSuffix(tr(" px"));
    m_threshold = new QSlider(Qt::Horizontal, this);
    m_threshold->setRange(1, 255);
    m_threshold->setValue(128);
    m_direction = new QComboBox(this);
    m_direction->addItem(tr("Left"), int(TextFrames::Direction::Left));
    m_direction->addItem(tr("Right"), int(TextFrames::Direction::Right));
    m_direction->addItem(tr("Up"), int(TextFrames::Direction::Up));
    m_direction->addItem(tr("Down"), int(TextFrames::Direction::Down));
    m_frameMs = new QSpinBox(this);
    m_frameMs->setRange(Frames::MinDurationMs, Frames::MaxDurationMs);
    m_frameMs->setValue(frameMs);
    m_frameMs->setSuffix(tr(" ms"));

    auto *form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("&Text:"), m_text);
    form->addRow(tr("&Font:"), m_font);
    form->addRow(tr("&Size:"), m_size);
    form->addRow(tr("T&hreshold:"), m_threshold);
    form->addRow(tr("&Direction:"), m_direction);
    form->addRow(tr("Frame &time:"), m_frameMs);

    connect(m_text, &QLineEdit::textChanged, this, &TextFramesForm::changed);
    connect(m_font, &QFontComboBox::currentFontChanged, this, &TextFramesForm::changed);
    connect(m_size, &QSpinBox::valueChanged, this, &TextFramesForm::changed);
    connect(m_threshold, &QSlider::valueChanged, this, &TextFramesForm::changed);
    connect(m_direction, &QComboBox::currentIndexChanged, this, &TextFramesForm::changed);
    connect(m_frameMs, &QSpinBox::valueChanged, this, &TextFramesForm::changed);
}

QString TextFramesForm::text() const
{
    return m_text->text();
}

TextFrames::Options TextFramesForm::options() const
{
    TextFrames::Options options;
    options.font = m_font->currentFont();
    options.font.setPixelSize(m_size->value());
    options.threshold = m_threshold->value();
    options.direction = TextFrames::Direction(m_direction->currentData().toInt());
    options.frameMs = m_frameMs->value();
    return options;
}

int TextFramesForm::frameMs() const
{
    return m_frameMs->value();
}
