object AlignTestForm: TAlignTestForm
  Left = 100
  Top = 80
  ClientWidth = 400
  ClientHeight = 300
  Caption = '对齐测试'
  KeyPreview = True
  OnCreate = FormCreate
  object TopPanel: TPanel
    Left = 0
    Top = 0
    Width = 400
    Height = 41
    Align = alTop
    Caption = '顶部'
    TabOrder = 0
    object Label1: TLabel
      Left = 8
      Top = 12
      Caption = '用户名'
    end
  end
  object BottomPanel: TPanel
    Left = 0
    Top = 200
    Width = 400
    Height = 50
    Align = alBottom
    TabOrder = 1
    object OkButton: TButton
      Left = 8
      Top = 10
      Caption = '确定'
      Default = True
      TabOrder = 0
      OnClick = OkButtonClick
    end
    object CancelButton: TButton
      Left = 100
      Top = 10
      Caption = '取消'
      Cancel = True
      TabOrder = 1
      OnClick = CancelButtonClick
    end
  end
  object LeftPanel: TPanel
    Left = 0
    Top = 41
    Width = 80
    Height = 100
    Align = alLeft
    TabOrder = 2
  end
  object ClientPanel: TPanel
    Left = 90
    Top = 50
    Width = 10
    Height = 10
    Align = alClient
    BevelOuter = bvNone
    BorderWidth = 4
    TabOrder = 3
    object InnerPanel: TPanel
      Left = 0
      Top = 0
      Width = 10
      Height = 20
      Align = alTop
      TabOrder = 0
    end
  end
end
