object lingyong: Tlingyong
  Left = 150
  Top = 0
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = '备用手机领用'
  Width = 545
  Height = 320
  Font.Charset = 134
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = '宋体'
  FormStyle = fsMDIChild
  Position = poDefaultPosOnly
  Visible = True
  OnClose = FormClose
  OnCreate = FormCreate
  OnShow = FormShow
  object Label1: TLabel
    Left = 16
    Top = 12
    Width = 156
    Height = 13
    Caption = '扫描串码或输入串码后回车'
  end
  object Edit1: TEdit
    Left = 16
    Top = 30
    Width = 200
    Height = 21
    TabOrder = 0
    OnKeyPress = Edit1KeyPress
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 60
    Width = 250
    Height = 180
    Caption = '备用手机信息'
    TabOrder = 1
    object Label2: TLabel
      Left = 12
      Top = 28
      Width = 26
      Height = 13
      Caption = '串码'
    end
    object Edit2: TEdit
      Left = 56
      Top = 24
      Width = 150
      Height = 21
      Color = clBtnFace
      ReadOnly = True
      TabOrder = 0
    end
    object Label3: TLabel
      Left = 12
      Top = 58
      Width = 26
      Height = 13
      Caption = '品牌'
    end
    object Edit3: TEdit
      Left = 56
      Top = 54
      Width = 150
      Height = 21
      TabOrder = 2
      OnKeyPress = SearchKeyPress
    end
    object BitBtn5: TBitBtn
      Left = 210
      Top = 53
      Width = 24
      Height = 23
      Hint = '模糊查找'
      ParentShowHint = False
      ShowHint = True
      TabOrder = 3
      OnClick = SearchClick
    end
    object Label4: TLabel
      Left = 12
      Top = 88
      Width = 26
      Height = 13
      Caption = '型号'
    end
    object Edit4: TEdit
      Left = 56
      Top = 84
      Width = 150
      Height = 21
      TabOrder = 4
      OnKeyPress = SearchKeyPress
    end
    object BitBtn6: TBitBtn
      Left = 210
      Top = 83
      Width = 24
      Height = 23
      Hint = '模糊查找'
      ParentShowHint = False
      ShowHint = True
      TabOrder = 5
      OnClick = SearchClick
    end
    object Label5: TLabel
      Left = 12
      Top = 118
      Width = 26
      Height = 13
      Caption = '颜色'
    end
    object Edit5: TEdit
      Left = 56
      Top = 114
      Width = 150
      Height = 21
      TabOrder = 6
      OnKeyPress = SearchKeyPress
    end
    object BitBtn7: TBitBtn
      Left = 210
      Top = 113
      Width = 24
      Height = 23
      Hint = '模糊查找'
      ParentShowHint = False
      ShowHint = True
      TabOrder = 7
      OnClick = SearchClick
    end
    object Label6: TLabel
      Left = 12
      Top = 148
      Width = 26
      Height = 13
      Caption = '配件'
    end
    object Edit6: TEdit
      Left = 56
      Top = 144
      Width = 150
      Height = 21
      TabOrder = 8
      OnKeyPress = SearchKeyPress
    end
    object BitBtn8: TBitBtn
      Left = 210
      Top = 143
      Width = 24
      Height = 23
      Hint = '模糊查找'
      ParentShowHint = False
      ShowHint = True
      TabOrder = 9
      OnClick = SearchClick
    end
  end
  object GroupBox3: TGroupBox
    Left = 266
    Top = 60
    Width = 260
    Height = 180
    Caption = '领用顾客信息'
    TabOrder = 2
    object Label7: TLabel
      Left = 12
      Top = 28
      Width = 52
      Height = 13
      Caption = '顾客姓名'
    end
    object Edit7: TEdit
      Left = 90
      Top = 24
      Width = 150
      Height = 21
      TabOrder = 0
      OnKeyDown = InputKeyDown
    end
    object Label8: TLabel
      Left = 12
      Top = 58
      Width = 65
      Height = 13
      Caption = '故障机串码'
    end
    object Edit8: TEdit
      Left = 90
      Top = 54
      Width = 150
      Height = 21
      TabOrder = 1
      OnKeyDown = InputKeyDown
    end
    object Label9: TLabel
      Left = 12
      Top = 88
      Width = 65
      Height = 13
      Caption = '故障机型号'
    end
    object ComboBox1: TComboBox
      Left = 90
      Top = 84
      Width = 150
      Height = 21
      TabOrder = 2
      OnKeyDown = InputKeyDown
      OnDropDown = ComboBox1DropDown
    end
    object Label10: TLabel
      Left = 12
      Top = 118
      Width = 26
      Height = 13
      Caption = '说明'
    end
    object Edit9: TEdit
      Left = 90
      Top = 114
      Width = 150
      Height = 21
      TabOrder = 3
      OnKeyDown = InputKeyDown
    end
    object Label11: TLabel
      Left = 12
      Top = 148
      Width = 52
      Height = 13
      Caption = '领用日期'
    end
    object DateTimePicker1: TDateTimePicker
      Left = 90
      Top = 144
      Width = 150
      Height = 21
      TabOrder = 4
      OnKeyDown = InputKeyDown
    end
  end
  object GroupBox2: TGroupBox
    Left = 266
    Top = 60
    Width = 260
    Height = 180
    TabOrder = 3
    Visible = False
    object DBGridVyn1: TDBGridVyn
      Left = 2
      Top = 15
      Width = 256
      Height = 130
      Align = alTop
      DataSource = DM1.DataSource9
      Font.Charset = 134
      Font.Color = clWindowText
      Font.Height = -13
      Font.Name = '宋体'
      Options = [dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect, dgConfirmDelete, dgCancelOnExit]
      ParentFont = False
      ReadOnly = True
      TabOrder = 0
      AutoFitColWidths = True
      FooterColor = clWindow
      OnDblClick = DBGridVyn1DblClick
      OnKeyDown = DBGridVyn1KeyDown
    end
    object BitBtn3: TBitBtn
      Left = 180
      Top = 148
      Width = 70
      Height = 26
      Caption = '隐藏'
      TabOrder = 1
      OnClick = BitBtn3Click
    end
  end
  object BitBtn1: TBitBtn
    Left = 300
    Top = 250
    Width = 100
    Height = 30
    Caption = '确定领用'
    TabOrder = 4
    OnClick = BitBtn1Click
  end
  object BitBtn2: TBitBtn
    Left = 420
    Top = 250
    Width = 100
    Height = 30
    Caption = '退出'
    TabOrder = 5
    OnClick = BitBtn2Click
  end
end
