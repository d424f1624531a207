object shanchujilu: Tshanchujilu
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu]
  Caption = '删除售后接待记录'
  Width = 749
  Height = 387
  Font.Charset = 134
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = '宋体'
  KeyPreview = True
  Position = poDesktopCenter
  OnShow = FormShow
  object Label2: TLabel
    Left = 24
    Top = 20
    Width = 247
    Height = 19
    Caption = '输入要删除的单据编号后回车'
    Font.Charset = 134
    Font.Color = clRed
    Font.Height = -19
    Font.Name = '楷体_GB2312'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edit1: TEdit
    Left = 288
    Top = 18
    Width = 161
    Height = 21
    TabOrder = 0
    OnChange = Edit1Change
    OnKeyDown = Edit1KeyDown
  end
  object GroupBox1: TGroupBox
    Left = 16
    Top = 56
    Width = 709
    Height = 248
    TabOrder = 1
    object Label1: TLabel
      Left = 24
      Top = 28
      Width = 52
      Height = 13
      Caption = '串码'
    end
    object Edit2: TEdit
      Left = 104
      Top = 24
      Width = 230
      Height = 21
      ReadOnly = True
      TabOrder = 0
    end
    object Label3: TLabel
      Left = 376
      Top = 28
      Width = 52
      Height = 13
      Caption = '品牌'
    end
    object Edit3: TEdit
      Left = 456
      Top = 24
      Width = 230
      Height = 21
      ReadOnly = True
      TabOrder = 1
    end
    object Label4: TLabel
      Left = 24
      Top = 60
      Width = 52
      Height = 13
      Caption = '型号'
    end
    object Edit4: TEdit
      Left = 104
      Top = 56
      Width = 230
      Height = 21
      ReadOnly = True
      TabOrder = 2
    end
    object Label5: TLabel
      Left = 376
      Top = 60
      Width = 52
      Height = 13
      Caption = '配件'
    end
    object Edit5: TEdit
      Left = 456
      Top = 56
      Width = 230
      Height = 21
      ReadOnly = True
      TabOrder = 3
    end
    object Label6: TLabel
      Left = 24
      Top = 92
      Width = 52
      Height = 13
      Caption = '颜色'
    end
    object Edit6: TEdit
      Left = 104
      Top = 88
      Width = 230
      Height = 21
      ReadOnly = True
      TabOrder = 4
    end
    object Label7: TLabel
      Left = 376
      Top = 92
      Width = 52
      Height = 13
      Caption = '厂家'
    end
    object Edit7: TEdit
      Left = 456
      Top = 88
      Width = 230
      Height = 21
      ReadOnly = True
      TabOrder = 5
    end
    object Label8: TLabel
      Left = 24
      Top = 124
      Width = 52
      Height = 13
      Caption = '价格'
    end
    object Edit8: TEdit
      Left = 104
      Top = 120
      Width = 230
      Height = 21
      ReadOnly = True
      TabOrder = 6
    end
    object Label9: TLabel
      Left = 376
      Top = 124
      Width = 52
      Height = 13
      Caption = '顾客姓名'
    end
    object Edit9: TEdit
      Left = 456
      Top = 120
      Width = 230
      Height = 21
      ReadOnly = True
      TabOrder = 7
    end
    object Label10: TLabel
      Left = 24
      Top = 156
      Width = 52
      Height = 13
      Caption = '联系电话'
    end
    object Edit10: TEdit
      Left = 104
      Top = 152
      Width = 230
      Height = 21
      ReadOnly = True
      TabOrder = 8
    end
    object Label11: TLabel
      Left = 376
      Top = 156
      Width = 52
      Height = 13
      Caption = '故障现象'
    end
    object Edit11: TEdit
      Left = 456
      Top = 152
      Width = 230
      Height = 21
      ReadOnly = True
      TabOrder = 9
    end
    object Label12: TLabel
      Left = 24
      Top = 188
      Width = 52
      Height = 13
      Caption = '处理意见'
    end
    object Edit12: TEdit
      Left = 104
      Top = 184
      Width = 230
      Height = 21
      ReadOnly = True
      TabOrder = 10
    end
    object Label13: TLabel
      Left = 24
      Top = 220
      Width = 52
      Height = 13
      Caption = '备注'
    end
    object Edit13: TEdit
      Left = 104
      Top = 216
      Width = 582
      Height = 21
      ReadOnly = True
      TabOrder = 11
    end
  end
  object BitBtn1: TBitBtn
    Left = 232
    Top = 316
    Width = 100
    Height = 30
    Caption = '确定删除'
    Enabled = False
    TabOrder = 2
    OnClick = BitBtn1Click
  end
  object BitBtn2: TBitBtn
    Left = 416
    Top = 316
    Width = 100
    Height = 30
    Caption = '退出'
    TabOrder = 3
    OnClick = BitBtn2Click
  end
end
