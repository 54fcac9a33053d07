#include "mainform.h"

TMAIN_Form::TMAIN_Form(QWidget* parent)
    : QMainWindow(parent), m_mdi(new QMdiArea(this)), m_ui(std::make_unique<QtUserInteraction>(this)) {
    setObjectName("MAIN_Form");
    setWindowTitle(QStringLiteral("NAVIRON Calvix Test"));
    setCentralWidget(m_mdi);
    resize(1024, 700);
}

TMAIN_Form::~TMAIN_Form() = default;
