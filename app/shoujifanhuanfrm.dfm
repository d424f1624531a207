object shoujifanhuan: Tshoujifanhuan
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = '备用手机使用情况/返还'
  Width = 1013
  Height = 600
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
  object GroupBox1: TGroupBox
    Left = 8
    Top = 4
    Width = 340
    Height = 52
    Caption = '日期条件'
    TabOrder = 0
    object Label1: TLabel
      Left = 12
      Top = 24
      Width = 65
      Height = 13
      Caption = '领用日期从'
    end
    object DateTimePicker1: TDateTimePicker
      Left = 84
      Top = 20
      Width = 110
      Height = 21
      TabOrder = 0
    end
    object Label2: TLabel
      Left = 202
      Top = 24
      Width = 13
      Height = 13
      Caption = '到'
    end
    object DateTimePicker2: TDateTimePicker
      Left = 220
      Top = 20
      Width = 110
      Height = 21
      TabOrder = 1
    end
  end
  object RadioGroup1: TRadioGroup
    Left = 356
    Top = 4
    Width = 250
    Height = 52
    Caption = '手机状态'
    Columns = 3
    Items.Strings = (
      '未返还'
      '已返还'
      '显示全部')
    TabOrder = 1
  end
  object CheckBox1: TCheckBox
    Left = 8
    Top = 64
    Width = 110
    Height = 17
    Caption = '查询全部日期'
    TabOrder = 2
  end
  object BitBtn2: TBitBtn
    Left = 130
    Top = 60
    Width = 75
    Height = 26
    Caption = '开始查询'
    TabOrder = 3
    OnClick = BitBtn2Click
  end
  object BitBtn6: TBitBtn
    Left = 212
    Top = 60
    Width = 75
    Height = 26
    Caption = 'EXCEL'
    TabOrder = 4
    OnClick = BitBtn6Click
  end
  object BitBtn3: TBitBtn
    Left = 294
    Top = 60
    Width = 75
    Height = 26
    Caption = '退出'
    TabOrder = 5
    OnClick = BitBtn3Click
  end
  object GroupBox2: TGroupBox
    Left = 614
    Top = 4
    Width = 190
    Height = 52
    Caption = '快速检索'
    TabOrder = 6
    object Label3: TLabel
      Left = 12
      Top = 24
      Width = 26
      Height = 13
      Caption = '串码'
    end
    object Label4: TLabel
      Left = 44
      Top = 24
      Width = 26
      Height = 13
      Caption = '包含'
    end
    object Edit7: TEdit
      Left = 76
      Top = 20
      Width = 100
      Height = 21
      TabOrder = 0
      OnChange = Edit7Change
    end
  end
  object GroupBox3: TGroupBox
    Left = 8
    Top = 92
    Width = 989
    Height = 472
    Caption = '备用手机领用历史记录，请双击要做返还操作的手机'
    TabOrder = 7
    object DBGridVyn1: TDBGridVyn
      Left = 2
      Top = 15
      Width = 985
      Height = 455
      Align = alClient
      ColumnDefValues.Title.TitleButton = True
      ColumnDefValues.Title.ToolTips = True
      ColumnDefValues.ToolTips = True
      ColumnDefValues.Footer.ToolTips = True
      DataSource = DM1.DataSource10
      Font.Charset = 134
      Font.Color = clWindowText
      Font.Height = -13
      Font.Name = '宋体'
      FooterColor = clYellow
      FooterRowCount = 1
      Hint = '单击列头可实现排序'
      Options = [dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect, dgConfirmDelete, dgCancelOnExit]
      OptionsVyn = [dghFixed3D, dghHighlightFocus, dghClearSelection, dghAutoSortMarking, dghMultiSortMarking, dghDialogFind]
      ParentFont = False
      ParentShowHint = False
      ReadOnly = True
      ShowHint = True
      SortLocal = True
      SumList.Active = True
      TabOrder = 0
      OnDblClick = DBGridVyn1DblClick
      Columns = <
        item
          Alignment = taCenter
          FieldName = '顾客'
          Footer.Alignment = taCenter
          Footer.Value = '合计数量'
          Footer.ValueType = fvtStaticText
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '故障机串码'
          Footer.Alignment = taCenter
          Footer.FieldName = '故障机串码'
          Footer.ValueType = fvtCount
          Title.Alignment = taCenter
          Width = 100
        end
        item
          Alignment = taCenter
          FieldName = '故障机型号'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '说明'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '领用日期'
          Title.Alignment = taCenter
          Width = 80
        end
        item
          Alignment = taCenter
          FieldName = '备用机串码'
          Title.Alignment = taCenter
          Width = 150
        end
        item
          Alignment = taCenter
          FieldName = '备用机品牌'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '备用机型号'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '备用机颜色'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '备用机配件'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '已返还'
          Title.Alignment = taCenter
          Width = 50
        end
        item
          Alignment = taCenter
          DisplayFormat = 'yyyy-mm-dd'
          FieldName = '返还日期'
          Title.Alignment = taCenter
          Width = 80
        end
        item
          Alignment = taCenter
          FieldName = '返还说明'
          Title.Alignment = taCenter
          Width = 80
        end>
    end
  end
  object SaveDialog1: TSaveDialog
    Filter = '文本|*.TXT|CSV|*.CSV|HTLM|*.HTM|RTF|*.RTF|XLS|*.XLS'
    FilterIndex = 5
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
  end
end
