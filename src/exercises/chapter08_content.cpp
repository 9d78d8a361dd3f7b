#include "exercises/chapter_bank_content.h"

namespace exercises {

std::span<const ChoiceRecord> chapter08() {
    static const ChoiceRecord records[] = {
        // 1: where the everyday formatting groups live
        {"1.在Word 2010中，“字体”“段落”和“样式”等命令组位于（）选项卡中。",
         {"(A) 插入", "(B) 页面布局", "(C) 开始", "(D) 视图"},
         "C",
         "   “开始”选项卡集中了最常用的编辑命令，包括“剪贴板”“字体”“段落”“样式”和“编辑”组；“页面布局”选项卡管理页面设置，“插入”选项卡用于插入表格、图片等对象，“视图”选项卡切换视图和显示方式。"},
        // 2: hiding the ribbon
        {"2.在Word 2010中，要在最小化功能区和展开功能区之间切换，可按（）组合键。",
         {"(A) Ctrl+F1", "(B) Ctrl+F2", "(C) Alt+F4", "(D) Shift+F3"},
         "A",
         "   Ctrl+F1可在最小化和展开功能区之间切换，双击任一选项卡的名称或单击功能区右上角的“功能区最小化”按钮也有同样效果；Alt+F4关闭程序窗口，Ctrl+F2打开打印预览，Shift+F3切换英文大小写。"},
        // 3: contextual tabs
        {"3.在Word 2010中选中图片后，功能区自动出现“图片工具 格式”选项卡，这类选项卡称为（）。",
         {"(A) 标准选项卡", "(B) 快速访问工具栏", "(C) 对话框启动器", "(D) 上下文选项卡"},
         "D",
         "   上下文选项卡只在选中图片、表格、图表等特定对象时才出现在功能区中，集中了处理该对象的命令，取消选中后即自动隐藏，这正是以任务为导向的界面设计。"},
        // 4: Backstage view
        {"4.在Word 2010中，“新建”“打开”“另存为”“打印”等文件操作命令集中在（）中。",
         {"(A) “开始”选项卡", "(B) “文件”选项卡（Backstage视图）", "(C) 快速访问工具栏", "(D) 状态栏"},
         "B",
         "   单击“文件”选项卡进入Backstage视图，其中集中了信息、最近所用文件、新建、打开、另存为、打印、保存并发送和选项等针对整个文件的命令；快速访问工具栏默认只有保存、撤消和恢复等少数按钮。"},
    };
    return records;
}

}  // namespace exercises
