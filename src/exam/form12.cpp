#include "exam/form12.h"

#include "cases/form10.h"
#include "exam/exam_texts.h"
#include "exam/form13.h"
#include "exam/form43.h"

using namespace forms;

Form12::Form12()
    : Form({.caption = "",
            .border = BorderStyle::None,
            .clientWidth = 15255,
            .clientHeight = 9225,
            .place = std::pair{195, 1005},
            .showInTaskbar = false}),
      Frame1(*this, {0, 0, 15255, 9255}, ""),
      Image1(Frame1, {-120, 0, 15360, 9600}, "exam_login"),
      Text1(Frame1, {7680, 4320, 2655, 495}, kSimulatedAdmissionNumber),
      Image4(Frame1, {13920, 0, 1215, 495}),
      Image5(Frame1, {7680, 4920, 1695, 495}),
      Label5(Frame1, {3600, 8400, 8655, 375},
             "提示：模拟准考证号为418207735096，请输入之。正式考试时，请输入你的真实考号。") {
    Text1.setFont({.name = "宋体", .size = 18, .bold = true});
    Label5.setBackColor(0x00C0C000);
    Label5.setForeColor(0x0000FFFF);
    Label5.setFont({.name = "宋体", .size = 10.5, .bold = true});
    for (Image* hotSpot : {&Image4, &Image5}) hotSpot->setMousePointer(MousePointer::Hand);
    setTabOrder({&Text1});
    Image5.onClick([this] { Image5_Click(); });
    Image4.onClick([this] { Image4_Click(); });
}

void Form12::Image5_Click() {
    const std::string typed = Text1.Text();
    if (typed == kSimulatedAdmissionNumber) {
        form<Form13>().Label2.setCaption(kSimulatedAdmissionNumber);
        form<Form13>().Label1.setCaption(kCandidateName);
        form<Form13>().Label3.setCaption(kMaskedIdentityNumber);
        const std::string prompt = std::string("您输入的准考证号是：") + kSimulatedAdmissionNumber + "\n您的姓名是：" +
                                   kCandidateName + "\n您的身份证号是：" + kMaskedIdentityNumber + "\n请问是否正确？";
        if (MsgBox(prompt, vbYesNo | vbExclamation, kExamTitle) == vbYes) {
            form<Form13>().Show();
            Hide();
        } else {
            Text1.SetFocus();
        }
    } else if (typed.empty()) {
        if (MsgBox("准考证号不能为空，请重新登录！", vbOKCancel | vbQuestion, kExamTitle) == vbOK) Text1.SetFocus();
    } else {
        const int answer = MsgBox("准考证号：" + typed + "不存在，退出登录系统吗？",
                                  vbYesNo | vbExclamation | vbDefaultButton2, kExamTitle);
        if (answer == vbYes) {
            form<Form10>().Show();
            Hide();
            Unload();
        } else {
            Text1.SetFocus();
        }
    }
}

void Form12::Image4_Click() {
    Hide();
    Unload();
    form<Form43>().Show();
}
