object xiangxijilu: Txiangxijilu
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = '手机售后服务历史记录查询'
  Width = 1017
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
  object GroupBox3: TGroupBox
    Left = 8
    Top = 4
    Width = 640
    Height = 80
    Caption = '接待日期条件'
    TabOrder = 0
    object Label1: TLabel
      Left = 12
      Top = 24
      Width = 39
      Height = 13
      Caption = '日期从'
    end
    object DateTimePicker1: TDateTimePicker
      Left = 60
      Top = 20
      Width = 120
      Height = 21
      TabOrder = 0
    end
    object Label2: TLabel
      Left = 196
      Top = 24
      Width = 13
      Height = 13
      Caption = '到'
    end
    object DateTimePicker2: TDateTimePicker
      Left = 216
      Top = 20
      Width = 120
      Height = 21
      TabOrder = 1
    end
    object RadioGroup2: TRadioGroup
      Left = 8
      Top = 44
      Width = 624
      Height = 30
      Caption = ''
      Columns = 5
      Items.Strings = (
        '按接待日期查询'
        '按返厂日期查询'
        '按返回日期查询'
        '按交付日期查询'
        '查询全部日期')
      TabOrder = 2
    end
  end
  object RadioGroup1: TRadioGroup
    Left = 8
    Top = 88
    Width = 640
    Height = 40
    Caption = '手机状态'
    Columns = 6
    Items.Strings = (
      '未返厂'
      '已返厂'
      '由厂家返回'
      '已交付给顾客'
      '已退货'
      '显示全部手机')
    TabOrder = 1
  end
  object GroupBox2: TGroupBox
    Left = 656
    Top = 4
    Width = 345
    Height = 50
    Caption = '查询单个串码的历史记录请直接输入部分串码'
    TabOrder = 2
    object Edit1: TEdit
      Left = 8
      Top = 20
      Width = 180
      Height = 21
      TabOrder = 0
      OnChange = Edit1Change
    end
  end
  object BitBtn2: TBitBtn
    Left = 656
    Top = 64
    Width = 60
    Height = 28
    Caption = '开始查询'
    TabOrder = 3
    OnClick = BitBtn2Click
  end
  object BitBtn6: TBitBtn
    Left = 722
    Top = 64
    Width = 60
    Height = 28
    Caption = 'EXCEL'
    TabOrder = 4
    OnClick = BitBtn6Click
  end
  object BitBtn3: TBitBtn
    Left = 788
    Top = 64
    Width = 60
    Height = 28
    Caption = '退出'
    TabOrder = 5
    OnClick = BitBtn3Click
  end
  object GroupBox1: TGroupBox
    Left = 8
    Top = 134
    Width = 993
    Height = 430
    TabOrder = 6
    object DBGridVyn1: TDBGridVyn
      Left = 2
      Top = 15
      Width = 989
      Height = 413
      Align = alClient
      ColumnDefValues.Title.TitleButton = True
      ColumnDefValues.Title.ToolTips = True
      ColumnDefValues.ToolTips = True
      ColumnDefValues.Footer.ToolTips = True
      DataSource = DM1.DataSource4
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
      Columns = <
        item
          Alignment = taCenter
          FieldName = '编号'
          Title.Alignment = taCenter
          Title.Caption = '单据编号'
          Width = 80
        end
        item
          Alignment = taCenter
          FieldName = '串码'
          Footer.Alignment = taCenter
          Footer.Value = '合计数量'
          Footer.ValueType = fvtStaticText
          Title.Alignment = taCenter
          Width = 100
        end
        item
          Alignment = taCenter
          FieldName = '品牌'
          Footer.Alignment = taCenter
          Footer.FieldName = '品牌'
          Footer.ValueType = fvtCount
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '型号'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '配件'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '颜色'
          Title.Alignment = taCenter
          Width = 40
        end
        item
          Alignment = taCenter
          FieldName = '厂家'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '价格'
          Title.Alignment = taCenter
          Width = 60
        end
        item
          Alignment = taCenter
          FieldName = '顾客姓名'
          Title.Alignment = taCenter
          Width = 60
        end
        item
          Alignment = taCenter
          FieldName = '电话'
          Title.Alignment = taCenter
          Width = 100
        end
        item
          Alignment = taCenter
          FieldName = '故障现象'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '处理意见'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '接待日期'
          Title.Alignment = taCenter
          Width = 80
        end
        item
          Alignment = taCenter
          FieldName = '接待经手人'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '接待备注'
          Title.Alignment = taCenter
          Width = 80
        end
        item
          Alignment = taCenter
          FieldName = '已返厂'
          Title.Alignment = taCenter
          Width = 50
        end
        item
          Alignment = taCenter
          FieldName = '返厂日期'
          Title.Alignment = taCenter
          Width = 80
        end
        item
          Alignment = taCenter
          FieldName = '返厂经手人'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '返厂备注'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '已返回'
          Title.Alignment = taCenter
          Width = 50
        end
        item
          Alignment = taCenter
          FieldName = '退货'
          Title.Alignment = taCenter
          Width = 50
        end
        item
          Alignment = taCenter
          FieldName = '返回日期'
          Width = 80
        end
        item
          Alignment = taCenter
          FieldName = '返回经手人'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '返回备注'
          Title.Alignment = taCenter
          Width = 80
        end
        item
          Alignment = taCenter
          FieldName = '已换机'
          Title.Alignment = taCenter
          Width = 45
        end
        item
          Alignment = taCenter
          FieldName = '新串码'
          Title.Alignment = taCenter
          Width = 100
        end
        item
          Alignment = taCenter
          FieldName = '新品牌'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '新型号'
          Title.Alignment = taCenter
          Width = 60
        end
        item
          Alignment = taCenter
          FieldName = '新颜色'
          Title.Alignment = taCenter
          Width = 50
        end
        item
          Alignment = taCenter
          FieldName = '新配件'
          Title.Alignment = taCenter
          Width = 65
        end
        item
          Alignment = taCenter
          FieldName = '新价格'
          Title.Alignment = taCenter
          Width = 60
        end
        item
          Alignment = taCenter
          FieldName = '已交付'
          Title.Alignment = taCenter
          Width = 50
        end
        item
          Alignment = taCenter
          FieldName = '交付日期'
          Title.Alignment = taCenter
          Width = 80
        end
        item
          Alignment = taCenter
          FieldName = '交付经手人'
          Title.Alignment = taCenter
          Width = 70
        end
        item
          Alignment = taCenter
          FieldName = '交付备注'
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
