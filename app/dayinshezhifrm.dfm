object dayinshezhi: Tdayinshezhi
  Left = 330
  Top = 0
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = '店铺名称及小票打印设置'
  ClientHeight = 338
  ClientWidth = 433
  Color = clBtnFace
  Font.Charset = GB2312_CHARSET
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = '宋体'
  Font.Style = []
  FormStyle = fsMDIChild
  Position = poDefaultPosOnly
  Visible = True
  OnClose = FormClose
  OnCreate = FormCreate
  OnShow = FormShow
  PixelsPerInch = 96
  object GroupBox1: TGroupBox
    Left = 8
    Top = 4
    Width = 417
    Height = 125
    TabOrder = 0
    object Label1: TLabel
      Left = 12
      Top = 22
      Width = 52
      Height = 13
      Caption = '店铺名称'
    end
    object Label4: TLabel
      Left = 12
      Top = 54
      Width = 52
      Height = 13
      Caption = '背景图片'
    end
    object Label5: TLabel
      Left = 12
      Top = 86
      Width = 39
      Height = 13
      Caption = '广告语'
    end
    object Edit1: TEdit
      Left = 84
      Top = 18
      Width = 317
      Height = 21
      TabOrder = 0
    end
    object Edit4: TEdit
      Left = 84
      Top = 50
      Width = 285
      Height = 21
      TabOrder = 1
    end
    object Button1: TButton
      Left = 372
      Top = 49
      Width = 29
      Height = 23
      Caption = '...'
      TabOrder = 2
      OnClick = Button1Click
    end
    object Edit5: TEdit
      Left = 84
      Top = 82
      Width = 317
      Height = 21
      TabOrder = 3
    end
    object Label2: TLabel
      Left = 12
      Top = 22
      Width = 52
      Height = 13
      Caption = '软件名称'
      Visible = False
    end
    object Edit2: TEdit
      Left = 84
      Top = 18
      Width = 121
      Height = 21
      TabOrder = 4
      Visible = False
    end
    object Label3: TLabel
      Left = 212
      Top = 22
      Width = 52
      Height = 13
      Caption = '软件版本'
      Visible = False
    end
    object Edit3: TEdit
      Left = 272
      Top = 18
      Width = 121
      Height = 21
      TabOrder = 5
      Visible = False
    end
  end
  object GroupBox2: TGroupBox
    Left = 8
    Top = 136
    Width = 417
    Height = 153
    Caption = '单据结尾'
    TabOrder = 1
    object Memo1: TMemo
      Left = 12
      Top = 22
      Width = 393
      Height = 119
      TabOrder = 0
    end
  end
  object BitBtn1: TBitBtn
    Left = 236
    Top = 300
    Width = 85
    Height = 29
    Caption = '保存'
    TabOrder = 2
    OnClick = BitBtn1Click
  end
  object BitBtn2: TBitBtn
    Left = 336
    Top = 300
    Width = 85
    Height = 29
    Caption = '退出'
    TabOrder = 3
    OnClick = BitBtn2Click
  end
  object OpenDialog2: TOpenDialog
  end
end
