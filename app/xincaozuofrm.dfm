object xincaozuo: Txincaozuo
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = '新增操作人员'
  Width = 304
  Height = 216
  Font.Charset = 134
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = '宋体'
  Position = poDesktopCenter
  OnShow = FormShow
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 280
    Height = 124
    Caption = '操作人员详细信息'
    TabOrder = 0
    object Label1: TLabel
      Left = 16
      Top = 28
      Width = 65
      Height = 13
      Caption = '操作员编号'
    end
    object Edit1: TEdit
      Left = 100
      Top = 24
      Width = 160
      Height = 21
      TabOrder = 0
      OnExit = Edit1Exit
      OnKeyDown = Edit1KeyDown
    end
    object Label2: TLabel
      Left = 16
      Top = 60
      Width = 65
      Height = 13
      Caption = '操作员姓名'
    end
    object Edit3: TEdit
      Left = 100
      Top = 56
      Width = 160
      Height = 21
      TabOrder = 1
      OnKeyDown = Edit3KeyDown
    end
    object Label3: TLabel
      Left = 16
      Top = 92
      Width = 65
      Height = 13
      Caption = '操作员密码'
    end
    object Edit2: TEdit
      Left = 100
      Top = 88
      Width = 160
      Height = 21
      TabOrder = 2
      OnKeyDown = Edit2KeyDown
    end
  end
  object BitBtn4: TBitBtn
    Left = 60
    Top = 144
    Width = 90
    Height = 30
    Caption = '保存'
    TabOrder = 1
    OnClick = BitBtn4Click
  end
  object BitBtn5: TBitBtn
    Left = 170
    Top = 144
    Width = 90
    Height = 30
    Caption = '退出'
    TabOrder = 2
    OnClick = BitBtn5Click
  end
end
