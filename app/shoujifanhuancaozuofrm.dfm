object shoujifanhuancaozuo: Tshoujifanhuancaozuo
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = '备用手机返还'
  Width = 536
  Height = 345
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
    Caption = '顾客'
  end
  object Edit1: TEdit
    Left = 96
    Top = 16
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 0
  end
  object Label2: TLabel
    Left = 276
    Top = 20
    Width = 65
    Height = 13
    Caption = '故障机串码'
  end
  object Edit2: TEdit
    Left = 356
    Top = 16
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 1
  end
  object Label3: TLabel
    Left = 16
    Top = 50
    Width = 65
    Height = 13
    Caption = '故障机型号'
  end
  object Edit3: TEdit
    Left = 96
    Top = 46
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 2
  end
  object Label4: TLabel
    Left = 276
    Top = 50
    Width = 26
    Height = 13
    Caption = '说明'
  end
  object Edit4: TEdit
    Left = 356
    Top = 46
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 3
  end
  object Label5: TLabel
    Left = 16
    Top = 80
    Width = 52
    Height = 13
    Caption = '领用日期'
  end
  object Edit5: TEdit
    Left = 96
    Top = 76
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 4
  end
  object Label6: TLabel
    Left = 276
    Top = 80
    Width = 65
    Height = 13
    Caption = '备用机串码'
  end
  object Edit6: TEdit
    Left = 356
    Top = 76
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 5
  end
  object Label7: TLabel
    Left = 16
    Top = 110
    Width = 65
    Height = 13
    Caption = '备用机品牌'
  end
  object Edit7: TEdit
    Left = 96
    Top = 106
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 6
  end
  object Label8: TLabel
    Left = 276
    Top = 110
    Width = 65
    Height = 13
    Caption = '备用机型号'
  end
  object Edit8: TEdit
    Left = 356
    Top = 106
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 7
  end
  object Label9: TLabel
    Left = 16
    Top = 140
    Width = 65
    Height = 13
    Caption = '备用机颜色'
  end
  object Edit9: TEdit
    Left = 96
    Top = 136
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 8
  end
  object Label10: TLabel
    Left = 276
    Top = 140
    Width = 65
    Height = 13
    Caption = '备用机配件'
  end
  object Edit10: TEdit
    Left = 356
    Top = 136
    Width = 150
    Height = 21
    Color = clBtnFace
    ReadOnly = True
    TabOrder = 9
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 170
    Width = 510
    Height = 90
    Caption = '返还信息'
    TabOrder = 10
    object Label11: TLabel
      Left = 12
      Top = 28
      Width = 52
      Height = 13
      Caption = '返还日期'
    end
    object DateTimePicker1: TDateTimePicker
      Left = 92
      Top = 24
      Width = 130
      Height = 21
      TabOrder = 0
      OnKeyDown = DateTimePicker1KeyDown
    end
    object Label12: TLabel
      Left = 12
      Top = 58
      Width = 52
      Height = 13
      Caption = '返还说明'
    end
    object Edit11: TEdit
      Left = 92
      Top = 54
      Width = 400
      Height = 21
      TabOrder = 1
      OnKeyDown = Edit11KeyDown
    end
  end
  object BitBtn1: TBitBtn
    Left = 300
    Top = 272
    Width = 100
    Height = 30
    Caption = '确定返还'
    TabOrder = 11
    OnClick = BitBtn1Click
  end
  object BitBtn4: TBitBtn
    Left = 412
    Top = 272
    Width = 100
    Height = 30
    Caption = '退出'
    TabOrder = 12
    OnClick = BitBtn4Click
  end
end
