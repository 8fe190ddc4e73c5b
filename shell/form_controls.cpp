#include "shell/form_controls.h"

namespace dorx {
namespace {

struct FormControl {
  const char* name;
  ControlKind kind;
  const char* caption;
  const char* parent;
};

constexpr ControlKind kLabel = ControlKind::kLabel;
constexpr ControlKind kEdit = ControlKind::kEdit;
constexpr ControlKind kCheck = ControlKind::kCheckBox;
constexpr ControlKind kRadio = ControlKind::kRadioButton;
constexpr ControlKind kButton = ControlKind::kButton;
constexpr ControlKind kGroup = ControlKind::kGroup;
constexpr ControlKind kOther = ControlKind::kOther;

// Containers come before what they hold.
constexpr FormControl kFormControls[] = {
    {"simButtonPageControl", kButton, "<", ""},
    {"simPageControl", kOther, "", ""},
    {"TabSheetSIM", kOther, " 計算 ", "simPageControl"},
    {"TabSheetIMG", kOther, " 描画 ", "simPageControl"},
    {"TabSheetIMGNOT", kOther, " 緒言 ", "simPageControl"},
    {"simPanel", kOther, "", ""},
    {"simScrollBox", kOther, "", "simPanel"},
    {"simScrollBoxSEC", kOther, "", "simPanel"},
    {"simButtonSection", kButton, "^", "simPanel"},
    {"simStatusBar", kOther, "", ""},

    {"GroupBoxSim", kGroup, "", "TabSheetSIM"},
    {"ButtonSIMOpen", kButton, "開く", "GroupBoxSim"},
    {"ButtonSIMExec", kButton, "開始", "GroupBoxSim"},
    {"ButtonSIMStop", kButton, "中止", "GroupBoxSim"},

    {"GroupBoxTx", kGroup, " 送信局 ", "TabSheetSIM"},
    {"LabelTxName", kLabel, "局　 名", "GroupBoxTx"},
    {"CheckBoxTxName", kCheck, "上書", "GroupBoxTx"},
    {"EditTxName", kEdit, "", "GroupBoxTx"},
    {"LabelTxNSdeg", kLabel, "緯　 度 [度分秒]", "GroupBoxTx"},
    {"EditTxNS1", kEdit, "", "GroupBoxTx"},
    {"EditTxNS2", kEdit, "", "GroupBoxTx"},
    {"EditTxNS3", kEdit, "", "GroupBoxTx"},
    {"LabelTxEWdeg", kLabel, "経　 度 [度分秒]", "GroupBoxTx"},
    {"EditTxEW1", kEdit, "", "GroupBoxTx"},
    {"EditTxEW2", kEdit, "", "GroupBoxTx"},
    {"EditTxEW3", kEdit, "", "GroupBoxTx"},
    {"LabelTxAlt", kLabel, "地上高 [m]", "GroupBoxTx"},
    {"EditTxAlt", kEdit, "", "GroupBoxTx"},
    {"LabelTxLoss", kLabel, "損　 失 [dB]", "GroupBoxTx"},
    {"EditTxLoss", kEdit, "", "GroupBoxTx"},
    {"LabelTxPower", kLabel, "電　 力 [W]", "GroupBoxTx"},
    {"EditTxPower", kEdit, "", "GroupBoxTx"},
    {"LabelTxFrequency", kLabel, "周波数 [MHz]", "GroupBoxTx"},
    {"EditTxFrequency", kEdit, "", "GroupBoxTx"},
    {"LabelTxGain", kLabel, "アンテナ利得 [dBi]", "GroupBoxTx"},
    {"EditTxGain", kEdit, "", "GroupBoxTx"},
    {"LabelTxAnte", kLabel, "　 水平パターン", "GroupBoxTx"},
    {"CheckBoxAntenna", kCheck, "ファイル", "GroupBoxTx"},
    {"LabelTxAtDeg", kLabel, "　 水平方位 [度]", "GroupBoxTx"},
    {"EditTxAtDeg", kEdit, "", "GroupBoxTx"},
    {"LabelTxAtName", kLabel, "", "GroupBoxTx"},

    {"GroupBoxRx", kGroup, " 受信局 ", "TabSheetSIM"},
    {"LabelRxAlt", kLabel, "地上高 [m]", "GroupBoxRx"},
    {"EditRxAlt", kEdit, "", "GroupBoxRx"},
    {"LabelRxLoss", kLabel, "損　 失 [dB]", "GroupBoxRx"},
    {"EditRxLoss", kEdit, "", "GroupBoxRx"},

    {"GroupBoxMesh", kGroup, " メッシュ ", "TabSheetSIM"},
    {"LabelMpNS", kLabel, "北 － 南", "GroupBoxMesh"},
    {"EditMpNSN", kEdit, "", "GroupBoxMesh"},
    {"LabelMpNS_", kLabel, "－", "GroupBoxMesh"},
    {"EditMpNSS", kEdit, "", "GroupBoxMesh"},
    {"LabelMpEW", kLabel, "東 － 西", "GroupBoxMesh"},
    {"EditMpEWE", kEdit, "", "GroupBoxMesh"},
    {"LabelMpEW_", kLabel, "－", "GroupBoxMesh"},
    {"EditMpEWW", kEdit, "", "GroupBoxMesh"},
    {"LabelMpCoa", kLabel, "メッシュ間隔", "GroupBoxMesh"},
    {"EditMpCoa", kEdit, "", "GroupBoxMesh"},
    {"CheckBoxCoa", kCheck, "広域", "GroupBoxMesh"},
    {"LabelMpCps", kLabel, "送信点補正", "GroupBoxMesh"},
    {"EditMpCps", kEdit, "", "GroupBoxMesh"},
    {"LabelAnomaly", kLabel, "異常データ [m]", "GroupBoxMesh"},
    {"EditAnomaly", kEdit, "", "GroupBoxMesh"},
    {"CheckBoxAnomaly", kCheck, "除去", "GroupBoxMesh"},
    {"LabelMesh", kLabel, "メッシュフォルダ", "GroupBoxMesh"},
    {"ButtonMesh", kButton, "参照", "GroupBoxMesh"},

    {"GroupBoxWater", kGroup, " 浸　水 ", "TabSheetSIM"},
    {"LabelWxName", kLabel, "地点名", "GroupBoxWater"},
    {"CheckBoxWxName", kCheck, "上書", "GroupBoxWater"},
    {"EditWxName", kEdit, "", "GroupBoxWater"},
    {"LabelWxNSdeg", kLabel, "緯　 度 [度分秒]", "GroupBoxWater"},
    {"EditWxNS1", kEdit, "", "GroupBoxWater"},
    {"EditWxNS2", kEdit, "", "GroupBoxWater"},
    {"EditWxNS3", kEdit, "", "GroupBoxWater"},
    {"LabelWxEWdeg", kLabel, "経　 度 [度分秒]", "GroupBoxWater"},
    {"EditWxEW1", kEdit, "", "GroupBoxWater"},
    {"EditWxEW2", kEdit, "", "GroupBoxWater"},
    {"EditWxEW3", kEdit, "", "GroupBoxWater"},
    {"LabelWxAlt", kLabel, "水位 [m]", "GroupBoxWater"},
    {"EditWxAlt", kEdit, "", "GroupBoxWater"},

    {"GroupBoxImage", kGroup, "", "TabSheetIMG"},
    {"ButtonIMGOpen", kButton, "開く", "GroupBoxImage"},
    {"ButtonIMGExec", kButton, "開始", "GroupBoxImage"},
    {"ButtonIMGStop", kButton, "中止", "GroupBoxImage"},

    {"GroupBoxDraw", kGroup, " 設定 ", "TabSheetIMG"},
    {"LabelRxMin", kLabel, "電界 下限 [dBu]", "GroupBoxDraw"},
    {"EditRxMin", kEdit, "", "GroupBoxDraw"},
    {"LabelRxStep", kLabel, " 　　　 間隔 [dBu]", "GroupBoxDraw"},
    {"EditRxStep", kEdit, "", "GroupBoxDraw"},
    {"LabelAmpG", kLabel, "描画倍率 [％]", "GroupBoxDraw"},
    {"EditAmpG", kEdit, "", "GroupBoxDraw"},
    {"LabelSea", kLabel, "海域", "GroupBoxDraw"},
    {"CheckBoxSea", kCheck, "", "GroupBoxDraw"},

    {"GroupBoxImageDORX", kGroup, " 描画 ", "TabSheetIMG"},
    {"RadioButtonDORX", kRadio, " 描画１", "GroupBoxImageDORX"},
    {"RadioButtonSIM1", kRadio, " 描画２", "GroupBoxImageDORX"},
    {"RadioButtonSIM2", kRadio, " 描画３", "GroupBoxImageDORX"},
    {"RadioButtonSIM3", kRadio, " 見通し", "GroupBoxImageDORX"},

    {"GroupBoxMap", kGroup, " 地形 ", "TabSheetIMG"},
    {"RadioButtonMAPX", kRadio, " 地形なし", "GroupBoxMap"},
    {"RadioButtonMAP1", kRadio, " 地形１", "GroupBoxMap"},
    {"RadioButtonMAP2", kRadio, " 地形２", "GroupBoxMap"},

    {"GroupBoxFine", kGroup, " 見通し ", "TabSheetIMG"},
    {"RadioButtonFineNon", kRadio, " 描画なし", "GroupBoxFine"},
    {"RadioButtonFineLine", kRadio, " 線表示", "GroupBoxFine"},
    {"RadioButtonFineColor", kRadio, " 色表示", "GroupBoxFine"},
    {"CheckBoxFineBig", kCheck, " 拡大", "GroupBoxFine"},

    {"GroupBoxSec", kGroup, " 断面 ", "TabSheetIMG"},
    {"RadioButtonSecNon", kRadio, " 断面なし", "GroupBoxSec"},
    {"RadioButtonSecLine", kRadio, " 線表示", "GroupBoxSec"},
    {"RadioButtonSecColor", kRadio, " 色表示", "GroupBoxSec"},

    {"GroupBoxSub", kGroup, " 補助 ", "TabSheetIMG"},
    {"CheckBoxGrid", kCheck, " 格子", "GroupBoxSub"},
    {"EditGridNum", kEdit, "", "GroupBoxSub"},
    {"CheckBoxMove", kCheck, " 連続", "GroupBoxSub"},

    {"GroupBoxSave", kGroup, "", "TabSheetIMG"},
    {"ButtonIMGSave", kButton, "保存", "GroupBoxSave"},
};

constexpr const char* kCheckedAtStart[] = {"RadioButtonDORX", "RadioButtonMAPX", "RadioButtonFineNon",
                                           "RadioButtonSecNon"};

}  // namespace

void DeclareFormControls(Controls& controls) {
  for (const FormControl& c : kFormControls) controls.Declare(c.name, c.kind, c.caption, c.parent);
  // Before any handler exists, so that nothing runs.
  for (const char* name : kCheckedAtStart) controls.SetChecked(name, true);
  controls.SetVisible("simScrollBoxSEC", false);
  controls.SetText("simPageControl", "TabSheetSIM");
}

}  // namespace dorx
