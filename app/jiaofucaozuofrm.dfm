object jiafucaozuo: Tjiafucaozuo
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = '手机交付给顾客'
  Width = 750
  Height = 553
  Font.Charset = 134
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = '宋体'
  Position = poDesktopCenter
  OnShow = FormShow
  object Label1: TLabel
    Left = 16
    Top = 20
    Width = 26
    Height = 13
    Caption = '串码'
  end
  object Edit2: TEdit
    Left = 86
    Top = 16
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 0
  end
  object Label2: TLabel
    Left = 256
    Top = 20
    Width = 26
    Height = 13
    Caption = '品牌'
  end
  object Edit3: TEdit
    Left = 326
    Top = 16
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 1
  end
  object Label3: TLabel
    Left = 496
    Top = 20
    Width = 26
    Height = 13
    Caption = '型号'
  end
  object Edit4: TEdit
    Left = 566
    Top = 16
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 2
  end
  object Label4: TLabel
    Left = 16
    Top = 50
    Width = 26
    Height = 13
    Caption = '配件'
  end
  object Edit5: TEdit
    Left = 86
    Top = 46
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 3
  end
  object Label5: TLabel
    Left = 256
    Top = 50
    Width = 26
    Height = 13
    Caption = '颜色'
  end
  object Edit6: TEdit
    Left = 326
    Top = 46
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 4
  end
  object Label6: TLabel
    Left = 496
    Top = 50
    Width = 26
    Height = 13
    Caption = '厂家'
  end
  object Edit7: TEdit
    Left = 566
    Top = 46
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 5
  end
  object Label7: TLabel
    Left = 16
    Top = 80
    Width = 26
    Height = 13
    Caption = '价格'
  end
  object Edit8: TEdit
    Left = 86
    Top = 76
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 6
  end
  object Label8: TLabel
    Left = 256
    Top = 80
    Width = 52
    Height = 13
    Caption = '顾客姓名'
  end
  object Edit9: TEdit
    Left = 326
    Top = 76
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 7
  end
  object Label9: TLabel
    Left = 496
    Top = 80
    Width = 52
    Height = 13
    Caption = '联系电话'
  end
  object Edit10: TEdit
    Left = 566
    Top = 76
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 8
  end
  object Label10: TLabel
    Left = 16
    Top = 110
    Width = 52
    Height = 13
    Caption = '故障现象'
  end
  object Edit11: TEdit
    Left = 86
    Top = 106
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 9
  end
  object Label11: TLabel
    Left = 256
    Top = 110
    Width = 52
    Height = 13
    Caption = '处理意见'
  end
  object Edit12: TEdit
    Left = 326
    Top = 106
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 10
  end
  object Label12: TLabel
    Left = 496
    Top = 110
    Width = 52
    Height = 13
    Caption = '接待日期'
  end
  object Edit13: TEdit
    Left = 566
    Top = 106
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 11
  end
  object Label13: TLabel
    Left = 16
    Top = 140
    Width = 52
    Height = 13
    Caption = '接待备注'
  end
  object Edit14: TEdit
    Left = 86
    Top = 136
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 12
  end
  object Label14: TLabel
    Left = 256
    Top = 140
    Width = 52
    Height = 13
    Caption = '返厂日期'
  end
  object Edit15: TEdit
    Left = 326
    Top = 136
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 13
  end
  object Label15: TLabel
    Left = 496
    Top = 140
    Width = 52
    Height = 13
    Caption = '返厂备注'
  end
  object Edit16: TEdit
    Left = 566
    Top = 136
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 14
  end
  object Label16: TLabel
    Left = 16
    Top = 170
    Width = 52
    Height = 13
    Caption = '返回日期'
  end
  object Edit17: TEdit
    Left = 86
    Top = 166
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 15
  end
  object Label17: TLabel
    Left = 256
    Top = 170
    Width = 52
    Height = 13
    Caption = '返回备注'
  end
  object Edit18: TEdit
    Left = 326
    Top = 166
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 16
  end
  object Label18: TLabel
    Left = 496
    Top = 170
    Width = 39
    Height = 13
    Caption = '已换机'
  end
  object CheckBox1: TCheckBox
    Left = 566
    Top = 168
    Width = 17
    Height = 17
    Enabled = False
    TabOrder = 17
  end
  object Label19: TLabel
    Left = 16
    Top = 210
    Width = 39
    Height = 13
    Caption = '新串码'
  end
  object Edit19: TEdit
    Left = 86
    Top = 206
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 18
  end
  object Label20: TLabel
    Left = 256
    Top = 210
    Width = 39
    Height = 13
    Caption = '新品牌'
  end
  object Edit1: TEdit
    Left = 326
    Top = 206
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 19
  end
  object Label21: TLabel
    Left = 496
    Top = 210
    Width = 39
    Height = 13
    Caption = '新型号'
  end
  object Edit20: TEdit
    Left = 566
    Top = 206
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 20
  end
  object Label22: TLabel
    Left = 16
    Top = 240
    Width = 39
    Height = 13
    Caption = '新配件'
  end
  object Edit21: TEdit
    Left = 86
    Top = 236
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 21
  end
  object Label23: TLabel
    Left = 256
    Top = 240
    Width = 39
    Height = 13
    Caption = '新颜色'
  end
  object Edit22: TEdit
    Left = 326
    Top = 236
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 22
  end
  object Label24: TLabel
    Left = 496
    Top = 240
    Width = 39
    Height = 13
    Caption = '新价格'
  end
  object Edit23: TEdit
    Left = 566
    Top = 236
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 23
  end
  object Label25: TLabel
    Left = 16
    Top = 290
    Width = 52
    Height = 13
    Caption = '交付备注'
  end
  object Edit24: TEdit
    Left = 86
    Top = 286
    Width = 630
    Height = 21
    TabOrder = 24
    OnKeyDown = Edit24KeyDown
  end
  object BitBtn1: TBitBtn
    Left = 480
    Top = 336
    Width = 100
    Height = 30
    Caption = '确定交付'
    TabOrder = 25
    OnClick = BitBtn1Click
  end
  object BitBtn4: TBitBtn
    Left = 610
    Top = 336
    Width = 100
    Height = 30
    Caption = '退出'
    TabOrder = 26
    OnClick = BitBtn4Click
  end
end
