object jiaofu: Tjiaofu
  Left = 0
  Top = 0
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = '手机交付给顾客'
  Width = 1020
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
    Width = 590
    Height = 86
    Caption = '模糊查找（请输入模糊查找条件进行查找）'
    TabOrder = 0
    object Label1: TLabel
      Left = 12
      Top = 28
      Width = 26
      Height = 13
      Caption = '串码'
    end
    object Edit1: TEdit
      Left = 72
      Top = 24
      Width = 120
      Height = 21
      TabOrder = 0
    end
    object Label2: TLabel
      Left = 202
      Top = 28
      Width = 26
      Height = 13
      Caption = '品牌'
    end
    object Edit2: TEdit
      Left = 262
      Top = 24
      Width = 120
      Height = 21
      TabOrder = 1
    end
    object Label3: TLabel
      Left = 392
      Top = 28
      Width = 26
      Height = 13
      Caption = '型号'
    end
    object Edit3: TEdit
      Left = 452
      Top = 24
      Width = 120
      Height = 21
      TabOrder = 2
    end
    object Label4: TLabel
      Left = 12
      Top = 58
      Width = 26
      Height = 13
      Caption = '颜色'
    end
    object Edit4: TEdit
      Left = 72
      Top = 54
      Width = 120
      Height = 21
      TabOrder = 3
    end
    object Label5: TLabel
      Left = 202
      Top = 58
      Width = 52
      Height = 13
      Caption = '顾客姓名'
    end
    object Edit5: TEdit
      Left = 262
      Top = 54
      Width = 120
      Height = 21
      TabOrder = 4
    end
    object Label6: TLabel
      Left = 392
      Top = 58
      Width = 52
      Height = 13
      Caption = '联系电话'
    end
    object Edit6: TEdit
      Left = 452
      Top = 54
      Width = 120
      Height = 21
      TabOrder = 5
    end
  end
  object BitBtn1: TBitBtn
    Left = 616
    Top = 36
    Width = 90
    Height = 30
    Caption = '开始查找'
    TabOrder = 1
    OnClick = BitBtn1Click
  end
  object BitBtn2: TBitBtn
    Left = 720
    Top = 36
    Width = 75
    Height = 30
    Caption = '退出'
    TabOrder = 2
    OnClick = BitBtn2Click
  end
  object GroupBox3: TGroupBox
    Left = 8
    Top = 96
    Width = 995
    Height = 470
    Caption = '已经由厂家返回为交付给顾客的手机列表，请鼠标双击要交付给顾客的手机'
    TabOrder = 3
    object DBGridVyn1: TDBGridVyn
      Left = 2
      Top = 15
      Width = 991
      Height = 453
      Align = alClient
      ColumnDefValues.Title.TitleButton = True
      ColumnDefValues.Title.ToolTips = True
      ColumnDefValues.ToolTips = True
      ColumnDefValues.Footer.ToolTips = True
      DataSource = DM1.DataSource3
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
          FieldName = '接待备注'
          Title.Alignment = taCenter
          Width = 80
        end
        item
          Alignment = taCenter
          FieldName = '返厂日期'
          Title.Alignment = taCenter
          Width = 80
        end
        item
          Alignment = taCenter
          FieldName = '返回日期'
          Width = 80
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
        end>
    end
  end
end
