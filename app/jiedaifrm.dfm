object jiedai: Tjiedai
  Left = 150
  Top = 0
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = '售后接待'
  Width = 751
  Height = 356
  Font.Charset = 134
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = '宋体'
  FormStyle = fsMDIChild
  Position = poDefaultPosOnly
  Visible = True
  OnActivate = FormActivate
  OnClose = FormClose
  OnCreate = FormCreate
  OnShow = FormShow
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 727
    Height = 232
    TabOrder = 0
    object Label1: TLabel
      Left = 16
      Top = 28
      Width = 52
      Height = 13
      Caption = '单据编号'
    end
    object Label21: TLabel
      Left = 80
      Top = 26
      Width = 88
      Height = 16
      Font.Charset = 134
      Font.Color = clBlue
      Font.Height = -16
      Font.Name = '宋体'
      Font.Style = [fsBold]
      ParentFont = False
    end
    object Label2: TLabel
      Left = 256
      Top = 28
      Width = 52
      Height = 13
      Caption = '串码'
    end
    object Edit1: TEdit
      Left = 320
      Top = 24
      Width = 150
      Height = 21
      TabOrder = 0
      OnKeyDown = Edit1KeyDown
    end
    object Label3: TLabel
      Left = 496
      Top = 28
      Width = 52
      Height = 13
      Caption = '品牌'
    end
    object ComboBox1: TComboBox
      Left = 560
      Top = 24
      Width = 150
      Height = 21
      TabOrder = 1
      OnDropDown = ComboBox1DropDown
      OnKeyDown = ComboBox1KeyDown
    end
    object Label4: TLabel
      Left = 16
      Top = 64
      Width = 52
      Height = 13
      Caption = '型号'
    end
    object ComboBox2: TComboBox
      Left = 80
      Top = 60
      Width = 150
      Height = 21
      TabOrder = 2
      OnDropDown = ComboBox2DropDown
      OnKeyDown = ComboBox2KeyDown
    end
    object Label5: TLabel
      Left = 256
      Top = 64
      Width = 52
      Height = 13
      Caption = '配件'
    end
    object ComboBox3: TComboBox
      Left = 320
      Top = 60
      Width = 150
      Height = 21
      TabOrder = 3
      OnDropDown = ComboBox3DropDown
      OnKeyDown = ComboBox3KeyDown
    end
    object Label6: TLabel
      Left = 496
      Top = 64
      Width = 52
      Height = 13
      Caption = '颜色'
    end
    object ComboBox4: TComboBox
      Left = 560
      Top = 60
      Width = 150
      Height = 21
      TabOrder = 4
      OnDropDown = ComboBox4DropDown
      OnKeyDown = ComboBox4KeyDown
    end
    object Label7: TLabel
      Left = 16
      Top = 100
      Width = 52
      Height = 13
      Caption = '厂家'
    end
    object ComboBox5: TComboBox
      Left = 80
      Top = 96
      Width = 150
      Height = 21
      TabOrder = 5
      OnDropDown = ComboBox5DropDown
      OnKeyDown = ComboBox5KeyDown
    end
    object Label8: TLabel
      Left = 256
      Top = 100
      Width = 52
      Height = 13
      Caption = '价格'
    end
    object Edit2: TEdit
      Left = 320
      Top = 96
      Width = 150
      Height = 21
      TabOrder = 6
      OnKeyDown = Edit2KeyDown
      OnKeyPress = Edit2KeyPress
    end
    object Label9: TLabel
      Left = 496
      Top = 100
      Width = 52
      Height = 13
      Caption = '顾客姓名'
    end
    object Edit3: TEdit
      Left = 560
      Top = 96
      Width = 150
      Height = 21
      TabOrder = 7
      OnKeyDown = Edit3KeyDown
    end
    object Label10: TLabel
      Left = 16
      Top = 136
      Width = 52
      Height = 13
      Caption = '联系电话'
    end
    object Edit4: TEdit
      Left = 80
      Top = 132
      Width = 150
      Height = 21
      TabOrder = 8
      OnKeyDown = Edit4KeyDown
    end
    object Label11: TLabel
      Left = 256
      Top = 136
      Width = 52
      Height = 13
      Caption = '故障现象'
    end
    object ComboBox6: TComboBox
      Left = 320
      Top = 132
      Width = 150
      Height = 21
      TabOrder = 9
      OnDropDown = ComboBox6DropDown
      OnKeyDown = ComboBox6KeyDown
    end
    object Label12: TLabel
      Left = 496
      Top = 136
      Width = 52
      Height = 13
      Caption = '处理意见'
    end
    object ComboBox7: TComboBox
      Left = 560
      Top = 132
      Width = 150
      Height = 21
      TabOrder = 10
      OnDropDown = ComboBox7DropDown
      OnKeyDown = ComboBox7KeyDown
    end
    object Label13: TLabel
      Left = 16
      Top = 172
      Width = 52
      Height = 13
      Caption = '备注'
    end
    object Memo1: TMemo
      Left = 80
      Top = 168
      Width = 630
      Height = 52
      MaxLength = 255
      TabOrder = 11
      OnKeyDown = Memo1KeyDown
    end
    object Edit5: TEdit
      Left = 8
      Top = 196
      Width = 32
      Height = 21
      TabOrder = 12
      Visible = False
    end
    object Edit6: TEdit
      Left = 40
      Top = 196
      Width = 32
      Height = 21
      TabOrder = 13
      Visible = False
    end
  end
  object BitBtn1: TBitBtn
    Left = 128
    Top = 260
    Width = 100
    Height = 30
    Caption = '保存'
    TabOrder = 1
    OnClick = BitBtn1Click
  end
  object BitBtn2: TBitBtn
    Left = 256
    Top = 260
    Width = 100
    Height = 30
    Caption = '删除记录'
    TabOrder = 2
    OnClick = BitBtn2Click
  end
  object SpeedButton1: TSpeedButton
    Left = 384
    Top = 260
    Width = 100
    Height = 30
    Caption = '单据补打印'
    OnClick = SpeedButton1Click
  end
  object BitBtn4: TBitBtn
    Left = 512
    Top = 260
    Width = 100
    Height = 30
    Caption = '退出'
    TabOrder = 3
    OnClick = BitBtn4Click
  end
  object QmDBDataSet1: TQmDBDataSet
    DataSet = DM1.ADOQuery11
  end
  object QmReport1: TQmReport
    Dataset = QmDBDataSet1
    InitialZoom = pzDefault
    PreviewButtons = [pbZoom, pbLoad, pbSave, pbPrint, pbFind, pbPageSetup, pbExit, pbSaveToXLS]
    DefaultCollate = False
    SaveReportOptions.RegistryPath = 'Tamberquistor\\ReportSettings\\'
    PreviewOptions.RulerUnit = qmutScreenPixels
    PreviewOptions.RulerVisible = False
    PreviewOptions.DrawBorder = False
    PreviewOptions.BorderPen.Color = clBlue
    PreviewOptions.BorderPen.Style = psDash
    CompressLevel = qmzcFastest
    CompressThread = False
    StoreInDFM = True
    ReportData = {
      00000000}
  end
  object QmXLSExport1: TQmXLSExport
    ScaleX = 1.000000000000000000
    ScaleY = 1.000000000000000000
    ExportImageFormat = ifBMP
    ShowAfterExport = True
    ExportPrecision = 1
    PagesOfSheet = 10
  end
end
