object QmXLSExportForm: TQmXLSExportForm
  Left = 0
  Top = 0
  BorderStyle = bsDialog
  Caption = 'Export options'
  ClientHeight = 323
  ClientWidth = 413
  Color = clBtnFace
  Position = poScreenCenter
  OnCloseQuery = FormCloseQuery
  OnCreate = FormCreate
  PixelsPerInch = 96
  object Label1: TLabel
    Left = 8
    Top = 12
    Width = 50
    Height = 13
    Caption = 'File name:'
  end
  object btnFileName: TSpeedButton
    Left = 382
    Top = 8
    Width = 23
    Height = 22
    Caption = '...'
    OnClick = btnFileNameClick
  end
  object edtExportFileName: TEdit
    Left = 64
    Top = 8
    Width = 314
    Height = 21
    TabOrder = 0
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 38
    Width = 397
    Height = 110
    Caption = 'Export'
    TabOrder = 1
    object Label2: TLabel
      Left = 12
      Top = 88
      Width = 378
      Height = 13
      AutoSize = False
      Caption = 'Enter page numbers and/or page ranges, separated by commas. For example, 1,3,5-12'
    end
    object rdbPrintAll: TRadioButton
      Left = 12
      Top = 18
      Width = 150
      Height = 17
      Caption = 'All'
      Checked = True
      TabOrder = 0
      TabStop = True
    end
    object rbdPrintCurPage: TRadioButton
      Left = 12
      Top = 40
      Width = 150
      Height = 17
      Caption = 'Current page'
      TabOrder = 1
    end
    object rbdPrintPages: TRadioButton
      Left = 12
      Top = 62
      Width = 72
      Height = 17
      Caption = 'Numbers:'
      TabOrder = 2
      OnClick = rbdPrintPagesClick
    end
    object edtPages: TEdit
      Left = 88
      Top = 60
      Width = 297
      Height = 21
      TabOrder = 3
      OnEnter = edtPagesEnter
    end
  end
  object GroupBox2: TGroupBox
    Left = 8
    Top = 154
    Width = 397
    Height = 130
    Caption = 'Options'
    TabOrder = 2
    object Label3: TLabel
      Left = 12
      Top = 20
      Width = 130
      Height = 13
      Caption = 'Pages of sheet (Max 100)'
    end
    object edPages: TEdit
      Left = 150
      Top = 16
      Width = 40
      Height = 21
      TabOrder = 0
      Text = '10'
      OnKeyPress = DigitsKeyPress
    end
    object UpDown2: TUpDown
      Left = 190
      Top = 16
      Width = 15
      Height = 21
      Associate = edPages
      Min = 1
      Position = 10
      TabOrder = 5
      Thousands = False
    end
    object chkExportImages: TCheckBox
      Left = 12
      Top = 46
      Width = 180
      Height = 17
      Caption = 'Export Images'
      TabOrder = 1
      OnClick = chkExportImagesClick
    end
    object chkExportFrames: TCheckBox
      Left = 12
      Top = 70
      Width = 180
      Height = 17
      Caption = 'Export Frames'
      TabOrder = 2
    end
    object chkShowAfterGenerate: TCheckBox
      Left = 12
      Top = 94
      Width = 180
      Height = 17
      Caption = 'Show ater export'
      TabOrder = 3
    end
    object gbExportImages: TGroupBox
      Left = 200
      Top = 40
      Width = 185
      Height = 82
      TabOrder = 4
      object lblExportImageFormat: TLabel
        Left = 8
        Top = 12
        Width = 70
        Height = 13
        Caption = 'Export Image Format'
      end
      object lblJPEGQuality: TLabel
        Left = 8
        Top = 36
        Width = 70
        Height = 13
        Caption = 'JPEG Quality'
      end
      object Label4: TLabel
        Left = 8
        Top = 60
        Width = 70
        Height = 13
        Caption = 'PixelFormat:'
      end
      object cmbImageFormat: TComboBox
        Left = 84
        Top = 8
        Width = 92
        Height = 21
        Style = csDropDownList
        TabOrder = 0
        OnChange = cmbImageFormatChange
      end
      object edJPEGQuality: TEdit
        Left = 84
        Top = 32
        Width = 40
        Height = 21
        TabOrder = 1
        Text = '100'
        OnKeyPress = DigitsKeyPress
      end
      object UpDown1: TUpDown
        Left = 124
        Top = 32
        Width = 15
        Height = 21
        Associate = edJPEGQuality
        Min = 1
        Position = 100
        TabOrder = 3
        Thousands = False
      end
      object cmbPixelFormat: TComboBox
        Left = 84
        Top = 56
        Width = 92
        Height = 21
        Style = csDropDownList
        TabOrder = 2
        Items.Strings = (
          'Device'
          '1 bit'
          '4 bit'
          '8 bit'
          '15 bit'
          '16 bit'
          '24 bit'
          '32 bit')
      end
    end
  end
  object btnOK: TButton
    Left = 246
    Top = 292
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 3
  end
  object btnCancel: TButton
    Left = 330
    Top = 292
    Width = 75
    Height = 25
    Cancel = True
    Caption = 'Cancel'
    ModalResult = 2
    TabOrder = 4
  end
  object SaveDialog: TSaveDialog
    DefaultExt = 'xls'
    Filter = 'excel file(*.xls)|*.xls|html file(*.htm)|*.htm'
  end
end
