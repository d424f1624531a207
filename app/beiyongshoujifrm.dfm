object beiyongshouji: Tbeiyongshouji
  Left = 100
  Top = 0
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = '备用手机档案管理'
  Width = 874
  Height = 580
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
    Width = 450
    Height = 118
    Caption = '备用手机信息'
    TabOrder = 0
    object Label1: TLabel
      Left = 16
      Top = 28
      Width = 26
      Height = 13
      Caption = '串码'
    end
    object Edit1: TEdit
      Left = 60
      Top = 24
      Width = 150
      Height = 21
      TabOrder = 0
      OnExit = Edit1Exit
      OnKeyDown = InputKeyDown
    end
    object Label2: TLabel
      Left = 16
      Top = 58
      Width = 26
      Height = 13
      Caption = '品牌'
    end
    object ComboBox1: TComboBox
      Left = 60
      Top = 54
      Width = 150
      Height = 21
      TabOrder = 1
      OnDropDown = ComboBox1DropDown
      OnKeyDown = InputKeyDown
    end
    object Label3: TLabel
      Left = 16
      Top = 88
      Width = 26
      Height = 13
      Caption = '型号'
    end
    object ComboBox2: TComboBox
      Left = 60
      Top = 84
      Width = 150
      Height = 21
      TabOrder = 2
      OnDropDown = ComboBox2DropDown
      OnKeyDown = InputKeyDown
    end
    object Label4: TLabel
      Left = 236
      Top = 28
      Width = 26
      Height = 13
      Caption = '颜色'
    end
    object ComboBox4: TComboBox
      Left = 280
      Top = 24
      Width = 150
      Height = 21
      TabOrder = 3
      OnDropDown = ComboBox4DropDown
      OnKeyDown = InputKeyDown
    end
    object Label5: TLabel
      Left = 236
      Top = 58
      Width = 26
      Height = 13
      Caption = '配件'
    end
    object ComboBox5: TComboBox
      Left = 280
      Top = 54
      Width = 150
      Height = 21
      TabOrder = 4
      OnDropDown = ComboBox5DropDown
      OnKeyDown = InputKeyDown
    end
  end
  object BitBtn1: TBitBtn
    Left = 472
    Top = 16
    Width = 80
    Height = 28
    Caption = '保存'
    TabOrder = 1
    OnClick = BitBtn1Click
  end
  object BitBtn3: TBitBtn
    Left = 472
    Top = 52
    Width = 80
    Height = 28
    Caption = '删除'
    TabOrder = 2
    OnClick = BitBtn3Click
  end
  object BitBtn4: TBitBtn
    Left = 472
    Top = 88
    Width = 80
    Height = 28
    Caption = '退出'
    TabOrder = 3
    OnClick = BitBtn4Click
  end
  object GroupBox3: TGroupBox
    Left = 568
    Top = 4
    Width = 290
    Height = 60
    Caption = '快速检索'
    TabOrder = 4
    object ComboBox3: TComboBox
      Left = 12
      Top = 24
      Width = 90
      Height = 21
      TabOrder = 0
    end
    object Label6: TLabel
      Left = 110
      Top = 28
      Width = 26
      Height = 13
      Caption = '包含'
    end
    object Edit7: TEdit
      Left = 144
      Top = 24
      Width = 130
      Height = 21
      TabOrder = 1
      OnChange = Edit7Change
    end
  end
  object GroupBox2: TGroupBox
    Left = 8
    Top = 128
    Width = 850
    Height = 410
    Caption = '备用手机列表'
    TabOrder = 5
    object DBGridVyn1: TDBGridVyn
      Left = 2
      Top = 15
      Width = 846
      Height = 392
      Align = alClient
      ColumnDefValues.Title.TitleButton = True
      ColumnDefValues.Title.ToolTips = True
      ColumnDefValues.ToolTips = True
      ColumnDefValues.Footer.ToolTips = True
      DataSource = DM1.DataSource8
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
          FieldName = '串码'
          Footer.Alignment = taRightJustify
          Footer.Value = '合计数量'
          Footer.ValueType = fvtStaticText
          Title.Alignment = taCenter
          Width = 150
        end
        item
          Alignment = taCenter
          FieldName = '品牌'
          Footer.Alignment = taCenter
          Footer.FieldName = '品牌'
          Footer.ValueType = fvtCount
          Title.Alignment = taCenter
          Width = 80
        end
        item
          Alignment = taCenter
          FieldName = '型号'
          Title.Alignment = taCenter
          Width = 75
        end
        item
          Alignment = taCenter
          FieldName = '颜色'
          Title.Alignment = taCenter
          Width = 40
        end
        item
          Alignment = taCenter
          FieldName = '配件'
          Title.Alignment = taCenter
          Width = 120
        end
        item
          Alignment = taCenter
          FieldName = '领用'
          Title.Alignment = taCenter
          Width = 60
        end
        item
          Alignment = taCenter
          FieldName = '顾客姓名'
          Title.Alignment = taCenter
          Width = 80
        end
        item
          Alignment = taCenter
          FieldName = '领用日期'
          Title.Alignment = taCenter
          Width = 90
        end>
    end
  end
end
