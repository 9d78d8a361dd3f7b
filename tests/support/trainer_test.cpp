#include "support/trainer_test.h"

#include <QApplication>
#include <QWidget>

void TrainerTest::resetAll() {
    forms::Registry::reset();
    settle();
    Module1::reset();
    shell().clear();
}

void TrainerTest::closeByBox(forms::Form& form) { form.window()->close(); }

void TrainerTest::settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

std::vector<std::string> TrainerTest::loadedCaptions() {
    std::vector<std::string> out;
    for (forms::Form* f : forms::Registry::loadedForms()) out.push_back(f->Caption());
    return out;
}

std::vector<std::string> TrainerTest::shownCaptions() {
    std::vector<std::string> out;
    for (forms::Form* f : forms::Registry::loadedForms())
        if (f->Visible()) out.push_back(f->Caption());
    return out;
}

std::vector<std::string> TrainerTest::commandLines() {
    std::vector<std::string> out;
    for (const auto& [line, style] : shell().commandLines) out.push_back(line);
    return out;
}
